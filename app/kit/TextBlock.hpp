#pragma once
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

namespace pellox::app {

// A painted text that wraps at word boundaries up to a number of lines, eliding the last line kept, or stays
// on one line elided at either end. It grows in height with its width (height for width), like a wrapping
// label, but keeps a line limit, which QLabel cannot. Its accessible name is its text unless told to stay
// silent (when a parent reads for it as one element).
class TextBlock : public QWidget {
    Q_OBJECT
  public:
    explicit TextBlock(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);
    void setTextFont(const QFont& font);
    void setColor(const QColor& color);
    // 0: as many lines as the text needs. 1 keeps one line, elided by the elide mode.
    void setMaximumLines(int lines);
    void setElideMode(Qt::TextElideMode mode);
    void setAlignment(Qt::Alignment alignment);
    void setSilent(bool silent);

    const QString& text() const noexcept { return text_; }
    const QFont& textFont() const noexcept { return font_; }
    const QColor& color() const noexcept { return color_; }
    int maximumLines() const noexcept { return maxLines_; }

    // The lines as drawn at that width, elision included.
    QStringList lines(int width) const;
    // Distance from the top to the baseline of the first line.
    int firstBaseline() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void changed();

    QString text_;
    QFont font_;
    QColor color_ = Qt::white;
    int maxLines_ = 0;
    Qt::TextElideMode elide_ = Qt::ElideRight;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool silent_ = false;
};

}  // namespace pellox::app
