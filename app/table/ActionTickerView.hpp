#pragma once
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "view/ActionLogStreet.hpp"

class QAbstractButton;

namespace pellox::app {

class ActionLogSheet;
class AppContext;

// The strip under the felt with the hand's last two actions; a click opens the whole hand in the log sheet.
// The sheet belongs to the ticker, not to its strip: it stays open when the strip goes away.
class ActionTickerView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int recentCount = 2;

    explicit ActionTickerView(const AppContext& context, QWidget* parent = nullptr);
    ~ActionTickerView() override;

    void setLog(std::vector<ActionLogStreet> log);

    // None when the log has no entry: the strip is then gone.
    const std::optional<QString>& recentText() const noexcept { return recentText_; }
    QAbstractButton* strip() const noexcept { return strip_; }
    // The open sheet, or none.
    ActionLogSheet* sheet() const;
    bool showingDetail() const;

    void showDetail();

  private:
    const AppContext& context_;
    std::vector<ActionLogStreet> log_;
    std::optional<QString> recentText_;
    QAbstractButton* strip_;
    QPointer<ActionLogSheet> sheet_;
};

}  // namespace pellox::app
