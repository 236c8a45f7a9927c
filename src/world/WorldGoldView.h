#pragma once

#include "world/GoldDayView.h"

namespace world {

/// The world gold chart: the day's price line alone.
class WorldGoldView final : public GoldDayView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorldGoldView)

public:
    explicit WorldGoldView(QWidget* parent = nullptr);
    ~WorldGoldView() override;

    void drawBar(int minute, double barValue, double price) override;

protected:
    void drawCoordinate() override;
};

} // namespace world
