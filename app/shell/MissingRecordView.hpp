#pragma once
#include <QString>
#include <QWidget>

class QLabel;

namespace pellox::app {

class AppContext;

// Shown in place of a replay whose hand has left the history.
class MissingRecordView : public QWidget {
    Q_OBJECT
  public:
    static QString headline();
    // "History keeps the most recent 200 hands."
    static QString explanation();

    explicit MissingRecordView(AppContext& context, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void restyle();

    AppContext& context_;
    QLabel* headline_;
    QLabel* explanation_;
};

}  // namespace pellox::app
