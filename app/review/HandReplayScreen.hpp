#pragma once
#include <QWidget>

namespace pellox {
struct HandRecord;
}

namespace pellox::app {

class AppContext;

// The replay of one stored hand (placeholder).
class HandReplayScreen : public QWidget {
    Q_OBJECT
  public:
    HandReplayScreen(AppContext& context, const HandRecord& record, bool startsMidHand,
                     QWidget* parent = nullptr);
};

}  // namespace pellox::app
