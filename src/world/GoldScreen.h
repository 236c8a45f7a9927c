#pragma once

#include "shell/LiveScreen.h"
#include "world/GoldDayView.h"

#include <QColor>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;

namespace net {
class Answer;
class RecordView;
} // namespace net

namespace world {

/// A gold price screen: the latest quote and the day's chart, rebuilt from every answer of the
/// day kept in the store under the screen's feed. A refresh asks only for what is newer than
/// the last minute received, a revision shared by the bank and the world gold screens. The
/// two screens open each other.
class GoldScreen : public shell::LiveScreen, public GoldChartDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GoldScreen)

public:
    /// Kind tag of the screen's requests.
    static constexpr int kRequestKind = 1;

    ~GoldScreen() override;

    void viewWillAppear(bool animated) override;

    /// With live mode on, starts the refresh and asks for what is new; then shows the stored day.
    void startLoad();
    /// Reads the feed's stored answers of the day into the labels and redraws the chart.
    void prepareToDisplay();
    /// Asks for the whole day again; nothing while an answer is awaited.
    void reload() override;
    /// The refresh tick: what is newer than the revision.
    void targetMethod() override;
    void toggleAnimation() override;
    void DidFinishRequest(std::optional<QByteArray> data) override;
    /// One stored answer into the quote and the chart's ranges: every minute record widens the
    /// ranges, every quote record gives the reference and becomes the latest quote.
    void parseToGetInfo(const QString& text);
    void parseForDraw() override;
    /// One stored answer's minutes into the chart.
    void ParseText(const QString& text);

    void menuContextCallBack(int item) override;

    int order() const { return m_order; }
    bool isErr() const { return m_isErr; }
    const QStringList& storedTexts() const { return m_texts; }
    GoldDayView* chartView();
    QLabel* lbPercent() const { return m_lbPercent; }
    QPushButton* switchButton() const { return m_switch; }

protected:
    struct Look {
        QString heading;
        QString switchCaption;
        QString unit;
    };

    GoldScreen(shell::QRMInfoAppDelegate& appDelegate, int feedId, Look look);

    QWidget* loadView() override;
    bool holdsCurrentDay() const override;

    virtual GoldDayView* makeChart() = 0;
    virtual QString requestUrl(int revision) const = 0;
    /// The labels of the screen's own quote figures, on the white band or the chart.
    virtual void buildQuoteLabels(QWidget* root) = 0;
    /// The field counts of the feed's minute and quote records.
    virtual int minuteFieldCount() const = 0;
    virtual int quoteFieldCount() const = 0;
    /// A minute record widens the chart's ranges (and, for a feed whose quote has no time, marks
    /// the time of the data).
    virtual void widenWithMinute(const net::Answer& answer, const net::RecordView& minute) = 0;
    /// A quote record marks the time of the data, for a feed whose quote carries it.
    virtual void markQuoteTime(const net::RecordView& /*quote*/) {}
    /// The bar of a minute record; 0 for a feed without bars.
    virtual double barValueOf(const net::RecordView& minute) const = 0;
    /// Shows the latest quote record of the day on the screen's labels.
    virtual void showQuote(const net::RecordView& quote) = 0;
    /// Whether a context-menu update also stops the frames (the bank screen) or only the refresh.
    virtual bool updateStopsAnimation() const = 0;
    /// The other gold screen (made on first use).
    virtual ui::ViewController* otherGoldScreen() = 0;
    /// Called whenever the stored day has been read for display, whether it held answers or not.
    virtual void storedDataShown() {}

    /// Opens the other gold screen, or goes back to it when it is the one beneath this one, so
    /// that switching to and fro never deepens the stack.
    void goOtherGold();

    void setErr(bool isErr) { m_isErr = isErr; }
    /// The answer text holding the latest quote so far. The labels are filled once, from the
    /// last quote of the day, however many answers the day has.
    void noteQuote(const QString& text) { m_quoteSource = text; }
    /// The time of the data: today's minute also becomes the revision; the label shows it
    /// when the day's answers are all read.
    void markTime(int day, int minute);
    /// The change as the percent label shows it: the palette's deep rise colour with plus signs
    /// for a rise, its fall colour otherwise; returns which of the two it is.
    ui::Trend showChange(double change, const QString& changeText, const QString& percentText);
    /// A label of the quote: plain text, in `color`, bold system 14.
    QLabel* makeQuoteLabel(QWidget* root, const QRect& frame, const QColor& color, Qt::Alignment alignment);

private:
    void requestSince(int revision);
    void showLatest();
    void storeAnswer(const QString& text);
    void buildTimeAxis(QWidget* root);
    void buildBottomBar(QWidget* root);

    int m_feedId;
    Look m_look;
    GoldDayView* m_chart = nullptr;
    QLabel* m_lbPercent = nullptr;
    QPushButton* m_switch = nullptr;
    // This screen's stored answers: the application's shared list may meanwhile hold the other
    // feed's, if that screen's answer arrives after the user switched.
    QStringList m_texts;
    QString m_quoteSource;
    int m_dateDay = 0;
    int m_dateMinute = -1;
    int m_order = 0;
    bool m_isErr = false;
};

} // namespace world
