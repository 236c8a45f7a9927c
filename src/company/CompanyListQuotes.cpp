#include "company/CompanyListQuotes.h"

#include "core/QuoteRecord.h"
#include "net/AnswerReader.h"
#include "net/LenientNumbers.h"
#include "shell/QRMInfoAppDelegate.h"
#include "store/myDb.h"
#include "ui/Alerts.h"
#include "ui/Fonts.h"

#include <QLabel>

namespace company {

namespace {

void storeQuote(myDb& db, const net::RecordView& record) {
    core::writeLastQuote(db, [&record](qsizetype i) { return record.text(i); });
}

} // namespace

int storeCompanyQuotes(myDb& db, const net::Answer& answer) {
    int stored = 0;
    db.open();
    db.beginTransactionWithDatabase();
    for (const net::RecordView& record : answer.allRecords()) {
        if (record.size() == kQuoteFields) {
            storeQuote(db, record);
            ++stored;
        }
    }
    db.endTransactionWithDatabase();
    db.close();
    return stored;
}

void applyListQuotes(shell::QRMInfoAppDelegate& app, const QString& text, QLabel* lbDate,
                     const std::function<void()>& switchLiveOff) {
    const net::Answer answer(text);
    if (answer.headerFieldCount() < 2) {
        return;
    }
    if (answer.status() != 0) {
        // The refresh timer stays armed; its ticks do nothing while live mode is off.
        switchLiveOff();
        app.alerts().tell(answer.headerText(2));
        return;
    }
    lbDate->setFont(ui::systemFont(13));
    lbDate->setText(app.dateFromDay(net::leadingInt(answer.headerField(2))));
    storeCompanyQuotes(*app.db(), answer);
}

} // namespace company
