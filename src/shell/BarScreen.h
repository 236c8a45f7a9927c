#pragma once

#include "shell/ContextMenuParent.h"
#include "ui/ViewController.h"

class QLabel;
class QPushButton;

namespace shell {

class QRMInfoAppDelegate;

/// A screen with the common top bar (back, title, home, context menu) whose context menu is the
/// general one: its items lead back to the main menu and through it to the other sections.
class BarScreen : public ui::ViewController, public ContextMenuParent {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarScreen)

public:
    BarScreen(QRMInfoAppDelegate& appDelegate, QString heading);
    ~BarScreen() override;

    virtual void goBack();
    virtual void goHome();
    virtual void goMenu();
    void menuContextCallBack(int item) override;

protected:
    QWidget* loadView() override;
    /// Adds the screen's own controls below the bar.
    virtual void buildContent(QWidget* root) = 0;
    QRMInfoAppDelegate& appDelegate() const { return m_appDelegate; }
    /// Goes back one screen while this one is shown: an answer that arrives after the user left
    /// must not take another screen away.
    void leaveIfShown();
    QPushButton* homeButton() const { return m_btHome; }
    QPushButton* menuButton() const { return m_btMenu; }

private:
    QRMInfoAppDelegate& m_appDelegate;
    QString m_heading;
    QPushButton* m_btHome = nullptr;
    QPushButton* m_btMenu = nullptr;
};

} // namespace shell
