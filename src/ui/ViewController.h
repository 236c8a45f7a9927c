#pragma once

#include "ui/Navigator.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAbstractButton;
class QWidget;

namespace ui {

class Navigator;

/// One screen: a root widget of 480×320 points made on first use, and the appearance
/// callbacks the Navigator sends around push, pop and pop-to-root.
class ViewController : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ViewController)

public:
    explicit ViewController(QObject* parent = nullptr);
    ~ViewController() override;

    /// The root widget; loads it (loadView, then viewDidLoad) on first use.
    QWidget* view();
    bool isViewLoaded() const { return !m_view.isNull(); }
    /// The root widget when it exists; null before the first view().
    QWidget* loadedView() const;

    virtual void viewWillAppear(bool animated);
    virtual void viewDidAppear(bool animated);
    virtual void viewWillDisappear(bool animated);
    virtual void viewDidDisappear(bool animated);

    /// The stack this screen is on, or null while it is on none.
    Navigator* navigationController() const { return m_navigator; }

    QString title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    /// What the window's title calls the screen; the phone's bar titles are often blank.
    QString screenName() const { return m_screenName; }
    void setScreenName(const QString& name) { m_screenName = name; }

    /// Escape goes back, Home to the root screen, F5 reloads; returns whether the key was used.
    virtual bool handleKey(int qtKey);
    /// Printable text typed without Ctrl, Alt or Meta, offered before the key goes to handleKey;
    /// returns whether it was used (a list's filter takes it). Nothing uses it by default.
    virtual bool handleTyping(const QString& text, Qt::KeyboardModifiers modifiers);
    /// What F5 does; nothing by default.
    virtual void reloadScreen();

    /// Taps on navigation buttons since the screen was last shown.
    int iPressCount() const { return m_iPressCount; }
    /// Called whenever the screen is shown: by the navigator, or by the screen that embeds it.
    void resetPressCount() { m_iPressCount = 0; }

protected:
    /// The root widget; by default a black 480×320 widget.
    virtual QWidget* loadView();
    virtual void viewDidLoad();

    /// Runs `action` on a click of `button` only for the first navigation tap since the screen
    /// was shown: the second tap of a double tap must not act twice. A tap whose action left
    /// this screen on top counts for nothing.
    void connectNavigation(QAbstractButton* button, std::function<void()> action);
    /// Counts a navigation tap; true when it is the first since the screen was shown.
    bool claimNavigation();

private:
    friend class Navigator;
    void setNavigationController(Navigator* navigator) { m_navigator = navigator; }

    QPointer<QWidget> m_view;
    QPointer<Navigator> m_navigator;
    QString m_title;
    QString m_screenName;
    int m_iPressCount = 0;
};

} // namespace ui
