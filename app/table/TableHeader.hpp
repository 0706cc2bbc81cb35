#pragma once
#include <QWidget>

class QAbstractButton;

namespace pellox::app {

class AppContext;
class HoverButton;
class TextBlock;

// The top of the side panel: "Exit" at the leading edge and the game's title centred, kept centred by an
// invisible twin of the Exit button at the trailing edge.
class TableHeader : public QWidget {
    Q_OBJECT
  public:
    explicit TableHeader(const AppContext& context, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QAbstractButton* exitButton() const;
    TextBlock* title() const noexcept { return title_; }

  signals:
    void exitRequested();

  private:
    void applyPalette();

    const AppContext& context_;
    HoverButton* exit_;
    TextBlock* title_;
    QWidget* twin_;
};

}  // namespace pellox::app
