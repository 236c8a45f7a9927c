#include "portfolio/FormRules.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace portfolio {

QString categoryNameRefusal(const QString& name) {
    static const QRegularExpression separators(QStringLiteral("[,;:\\r\\n]"));
    if (name.contains(separators)) {
        return QStringLiteral("Tên danh mục không được chứa dấu phẩy, chấm phẩy, hai chấm hay xuống dòng!");
    }
    return {};
}

void acceptNumbersOnly(QLineEdit* field, bool decimals) {
    const QString pattern = decimals ? QStringLiteral("\\d{0,12}(\\.\\d{0,6})?") : QStringLiteral("\\d{0,12}");
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    field->setInputMethodHints(decimals ? Qt::ImhFormattedNumbersOnly : Qt::ImhDigitsOnly);
}

} // namespace portfolio
