#include "ui/ViewController.h"

#include "ui/Navigator.h"

#include <QAbstractButton>
#include <QPalette>
#include <QWidget>

namespace ui {

namespace {
constexpr int kScreenWidth = 480;
constexpr int kScreenHeight = 320;
} // namespace

ViewController::ViewController(QObject* parent)
    : QObject(parent) {}

// The root widget belongs to the screen even while the navigation host is its Qt parent.
ViewController::~ViewController() {
    delete m_view.data();
}

QWidget* ViewController::loadedView() const {
    return m_view.data();
}

QWidget* ViewController::view() {
    if (m_view.isNull()) {
        m_view = loadView();
        viewDidLoad();
    }
    return m_view.data();
}

QWidget* ViewController::loadView() {
    auto* root = new QWidget;
    root->resize(kScreenWidth, kScreenHeight);
    QPalette palette = root->palette();
    palette.setColor(QPalette::Window, Qt::black);
    root->setPalette(palette);
    root->setAutoFillBackground(true);
    return root;
}

void ViewController::viewDidLoad() {}
void ViewController::viewWillAppear(bool /*animated*/) {}
void ViewController::viewDidAppear(bool /*animated*/) {}
void ViewController::viewWillDisappear(bool /*animated*/) {}
void ViewController::viewDidDisappear(bool /*animated*/) {}
void ViewController::reloadScreen() {}

bool ViewController::handleTyping(const QString& /*text*/, Qt::KeyboardModifiers /*modifiers*/) {
    return false;
}

void ViewController::connectNavigation(QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
        if (!claimNavigation()) {
            return;
        }
        action();
        // An action that stayed on this screen (an alert, a refusal) leaves the next tap free.
        if (m_navigator && m_navigator->topController() == this) {
            m_iPressCount = 0;
        }
    });
}

bool ViewController::claimNavigation() {
    return m_iPressCount++ == 0;
}

bool ViewController::handleKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Escape:
        if (m_navigator) {
            m_navigator->pop(true);
            return true;
        }
        return false;
    case Qt::Key_Home:
        if (m_navigator) {
            m_navigator->popToRoot(true);
            return true;
        }
        return false;
    case Qt::Key_F5:
        reloadScreen();
        return true;
    default:
        return false;
    }
}

} // namespace ui
