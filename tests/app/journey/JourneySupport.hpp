#pragma once
// The whole application as main() builds it, on a settings file of its own, driven through its windows: the
// sidebar, the home screen's cards, the table's buttons and keys, the sheets and alerts.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "Gallery.hpp"
#include "kit/HoverButton.hpp"
#include "kit/KeyedTimer.hpp"
#include "kit/TextBlock.hpp"
#include "rules/RawEnum.hpp"
#include "session/GameSession.hpp"
#include "shell/MacRootView.hpp"
#include "shell/MainWindow.hpp"
#include "shell/PelloxCommands.hpp"
#include "shell/PelloxPokerApp.hpp"
#include "shell/UserDefaultsStore.hpp"
#include "store/SettingsStore.hpp"
#include "table/TablePacing.hpp"
#include "table/TablePacingTask.hpp"
#include "table/TableScreen.hpp"

namespace pellox::app::journey {

inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

template <class W>
W* visible(QWidget* root) {
    if (!root) return nullptr;
    if (auto* self = qobject_cast<W*>(root); self && self->isVisible()) return self;
    for (W* w : root->findChildren<W*>())
        if (w->isVisible()) return w;
    return nullptr;
}

// A top-level widget of the type that is shown (sheets and alerts are windows of their own).
template <class W>
W* visibleWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* typed = qobject_cast<W*>(w); typed && typed->isVisible()) return typed;
    return nullptr;
}

inline QAbstractButton* button(QWidget* root, const QString& text) {
    if (!root) return nullptr;
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && (b->text() == text || b->accessibleName() == text)) return b;
    return nullptr;
}

// Every text the widget shows: labels and text blocks.
inline QStringList texts(QWidget* root) {
    QStringList all;
    for (QLabel* l : root->findChildren<QLabel*>())
        if (l->isVisible()) all << l->text();
    for (TextBlock* t : root->findChildren<TextBlock*>())
        if (t->isVisible()) all << t->text();
    return all;
}

inline void click(QAbstractButton* b) {
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
    settle();
}

// Waits, turning the event loop, until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// The window with every dialog standing over it painted in place.
inline QImage windowPicture(QWidget& window) {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &window || !w->isVisible() || !qobject_cast<QDialog*>(w)) continue;
        if (w->parentWidget() && w->parentWidget()->window() != &window) continue;
        const QPoint at = w->geometry().topLeft() - window.geometry().topLeft();
        painter.drawImage(at, w->grab().toImage());
    }
    painter.end();
    return image;
}

// One picture of the window per theme, the theme switched as the user switches it.
inline void shootWindow(const QString& name, QWidget& window, SettingsStore& settings) {
    const TableTheme before = settings.tableTheme.get();
    for (TableTheme theme : allCases<TableTheme>()) {
        settings.tableTheme.set(theme);
        settle();
        windowPicture(window).save(gallery::pathFor(name, theme));
    }
    settings.tableTheme.set(before);
    settle();
}

struct Journey {
    static constexpr std::int32_t seed = 2026;

    QTemporaryDir dir;
    QString path = dir.filePath("Pellox Poker.conf");
    std::unique_ptr<PelloxPokerApp> app;
    // stepTable() also starts the next hand when it is due.
    bool dealsOn = false;

    Journey() { qputenv("PELLOX_SEED", QByteArray::number(seed)); }
    ~Journey() {
        app.reset();
        qunsetenv("PELLOX_SEED");
        settle();
    }

    PelloxPokerApp& launch() {
        app.reset();
        settle();
        app = std::make_unique<PelloxPokerApp>(std::make_shared<UserDefaultsStore>(path));
        app->show();
        app->mainWindow().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&app->mainWindow()));
        settle();
        return *app;
    }

    MacRootView& root() const { return app->rootView(); }
    GameSession& session() const { return app->session(); }
    QWidget* page() const { return root().currentPage(); }

    // A click on the sidebar's row, as the user makes it.
    void selectSection(Section section) {
        QListWidget* list = root().sidebar();
        QListWidgetItem* item = list->item(static_cast<int>(section));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(item).center());
        settle();
    }

    TableScreen* table() const { return visible<TableScreen>(page()); }

    void activate() {
        app->mainWindow().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&app->mainWindow()));
    }

    // Runs the table's waiting step (a bot's turn, a card, a pre-set action, the next hand when `dealsOn`)
    // now instead of after its delay; false when the table waits for the human or for nothing.
    bool stepTable() {
        TableScreen* screen = table();
        if (!screen) return false;
        for (int i = 0; i < 3; ++i) {
            settle();
            screen->pacingTask().flush();
        }
        // Between hands the user deals on (Space, Next Hand), unless the table is to play on by itself.
        if (!dealsOn && screen->pacing().pacingStep(0).phase == PacingPhase::handOver) return false;
        if (screen->pacingTask().preActionTimer().runPendingNow() ||
            screen->pacingTask().pacingTimer().runPendingNow()) {
            settle();
            return true;
        }
        return false;
    }

    // The guide's advice for the human's decision has arrived (it is computed off the GUI thread).
    bool adviceReady() const {
        const auto& t = session().table();
        return t && session().humanAdviceKey() == GameSession::decisionKey(*t);
    }

    // Steps the table until `done`; on the human's turn, once the advice is in, `human` acts.
    bool drive(const std::function<bool()>& done, const std::function<void()>& human, int maxSteps = 100000) {
        for (int i = 0; i < maxSteps; ++i) {
            settle();
            if (done()) return true;
            if (stepTable()) continue;
            if (session().isHumanTurn() && human) {
                if (session().settings().guideMode.get() != GuideMode::off &&
                    !waitFor([&] { return adviceReady(); }))
                    return false;
                const auto events = session().currentHandEvents().size();
                human();
                settle();
                if (session().currentHandEvents().size() == events) {
                    ADD_FAILURE() << "the human's action went nowhere; active window: "
                                  << (QApplication::activeWindow()
                                          ? QApplication::activeWindow()->metaObject()->className()
                                          : "none")
                                  << ", focus: "
                                  << (QApplication::focusWidget()
                                          ? QApplication::focusWidget()->metaObject()->className()
                                          : "none");
                    return false;
                }
                continue;
            }
            if (!done()) {
                const auto step = table()->pacing().pacingStep(0);
                ADD_FAILURE() << "stuck: phase " << rawValue(step.phase) << " key "
                              << table()->pacing().pacingKey() << " pending "
                              << table()->pacingTask().pacingTimer().isPending();
            }
            return done();
        }
        return done();
    }

    // The hand has ended and the table shows all of it (also the one that left the human out of chips).
    bool handOver() const {
        const auto& t = session().table();
        if (!t || t->isHandInProgress || !table()) return false;
        return table()->pacing().revealedBoardCount() >= static_cast<std::int64_t>(t->board.size());
    }

    // Quits through the File menu's Quit, as the running application would, and waits for the loop to end.
    int quit() {
        QTimer::singleShot(0, [this] { app->commands().quitAction()->trigger(); });
        return QApplication::exec();
    }
};

}  // namespace pellox::app::journey
