#pragma once
#include <QStringList>
#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;

namespace pellox::app {

class AppContext;

// A segmented picker: one exclusive choice among a few titled segments, painted as a rounded track with the
// chosen segment raised. Each segment is a button (accessible by its title); the control's accessible name
// is its label. Colours come from the live palette.
class SegmentedControl : public QWidget {
    Q_OBJECT
  public:
    SegmentedControl(AppContext& context, const QString& label, const QStringList& segments,
                     QWidget* parent = nullptr);

    int currentIndex() const noexcept { return current_; }
    // Selects without emitting activated(); emits currentIndexChanged() when it changes. Out of range:
    // ignored.
    void setCurrentIndex(int index);
    int count() const noexcept { return static_cast<int>(segments_.size()); }
    QAbstractButton* segment(int index) const;
    QString label() const { return accessibleName(); }

    // The picker's height at a text scale (it grows with larger text, so its titles are not cut).
    static int heightAt(double textScale);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The user chose a segment other than the current one.
    void activated(int index);
    void currentIndexChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void choose(int index, bool byUser);
    void syncChecked();

    AppContext& context_;
    std::vector<QAbstractButton*> segments_;
    QButtonGroup* group_;
    int current_ = 0;
};

}  // namespace pellox::app
