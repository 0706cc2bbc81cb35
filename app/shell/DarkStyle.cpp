#include "shell/DarkStyle.hpp"

#include <QApplication>
#include <QStyleFactory>

namespace pellox::app {

QPalette darkPalette() {
    const QColor window(0x1E, 0x1F, 0x22);
    const QColor base(0x16, 0x17, 0x19);
    const QColor alternate(0x24, 0x25, 0x29);
    const QColor button(0x2C, 0x2D, 0x31);
    const QColor text(0xEC, 0xEC, 0xEE);
    const QColor disabledText(0x7A, 0x7B, 0x80);
    const QColor highlight(0x3A, 0x6E, 0xA5);

    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, alternate);
    palette.setColor(QPalette::ToolTipBase, button);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, button.lighter(130));
    palette.setColor(QPalette::Midlight, button.lighter(115));
    palette.setColor(QPalette::Mid, button.darker(130));
    palette.setColor(QPalette::Dark, button.darker(160));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, highlight.lighter(140));
    palette.setColor(QPalette::LinkVisited, highlight.lighter(120));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, button);
    return palette;
}

void applyDarkStyle(QApplication& application) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    application.setPalette(darkPalette());
}

}  // namespace pellox::app
