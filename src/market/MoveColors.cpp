#include "market/MoveColors.h"

#include "shell/ScreenStyle.h"

namespace market {

QColor moveColor(Move move) {
    switch (move) {
    case Move::Rise:
        return shell::darkGreen();
    case Move::Fall:
        return {Qt::red};
    case Move::Unchanged:
        return {0xf0, 0xc0, 0x40};
    case Move::Ceiling:
        return {0xd0, 0x60, 0xf0};
    case Move::Floor:
        return {0x30, 0xc8, 0xe8};
    }
    return {Qt::white};
}

Move moveOf(double change) {
    if (change > 0) {
        return Move::Rise;
    }
    return change < 0 ? Move::Fall : Move::Unchanged;
}

} // namespace market
