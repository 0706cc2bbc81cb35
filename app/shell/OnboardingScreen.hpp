#pragma once
#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;

namespace pellox::app {

class AppContext;
class HoverButton;
struct Palette;

// The three-page introduction. A primary button steps through the pages and finishes on the last one;
// "Skip" finishes from any page. Finishing only calls onDone: whoever shows the screen records it.
class OnboardingScreen : public QWidget {
    Q_OBJECT
  public:
    struct Page {
        const char* symbol;
        QString title;
        QString body;
    };

    static const std::array<Page, 3>& pages();
    // "Next" on every page but the last, "Start playing" on the last.
    static QString primaryTitle(int page);
    static QString skipTitle();
    static QColor dotColor(int dot, int page, const Palette& palette);

    OnboardingScreen(AppContext& context, std::function<void()> onDone, QWidget* parent = nullptr);

    int page() const noexcept { return page_; }
    // The primary button's action: the next page, or onDone on the last one.
    void advance();

    // The block of the page shown: its symbol, title and body.
    QWidget* pageBlock() const noexcept { return pageBlock_; }
    HoverButton* primaryButton() const noexcept { return primary_; }
    HoverButton* skipButton() const noexcept { return skip_; }
    QLabel* titleLabel() const noexcept { return title_; }
    QLabel* bodyLabel() const noexcept { return body_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void showPage();
    void restyle();

    AppContext& context_;
    std::function<void()> onDone_;
    int page_ = 0;
    QWidget* pageBlock_;
    QLabel* symbol_;
    QLabel* title_;
    QLabel* body_;
    QWidget* dots_;
    HoverButton* primary_;
    HoverButton* skip_;
};

}  // namespace pellox::app
