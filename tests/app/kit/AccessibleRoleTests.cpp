#include <gtest/gtest.h>

#include <QAccessibleWidget>
#include <QLabel>

#include "AccessibleActions.hpp"
#include "kit/AccessibleRole.hpp"

namespace pellox::app {
namespace {

using testing::accessibleOf;

constexpr const char* probeRole = "pelloxProbeRole";

class ProbeAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;
};

QAccessibleInterface* probeFactory(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    const QVariant role = object ? object->property(probeRole) : QVariant();
    if (!label || !role.isValid()) return nullptr;
    return new ProbeAccessible(label, static_cast<QAccessible::Role>(role.toInt()));
}

TEST(AccessibleRole, QtsCachedInterfaceGivesWayToTheFactorys) {
    QLabel label(QStringLiteral("Pot"));
    label.setAccessibleName(QStringLiteral("Pot"));
    QAccessibleInterface* qts = accessibleOf(&label);
    ASSERT_NE(qts, nullptr);
    ASSERT_EQ(dynamic_cast<ProbeAccessible*>(qts), nullptr);

    claimAccessibleRole<ProbeAccessible>(&label, probeFactory, probeRole, QAccessible::Graphic);
    QAccessibleInterface* ours = accessibleOf(&label);
    ASSERT_NE(dynamic_cast<ProbeAccessible*>(ours), nullptr);
    EXPECT_EQ(ours->role(), QAccessible::Graphic);
    EXPECT_EQ(ours->text(QAccessible::Name), "Pot");
}

TEST(AccessibleRole, ClaimingAgainKeepsItsOwnInterfaceAndTheNewRole) {
    QLabel label;
    claimAccessibleRole<ProbeAccessible>(&label, probeFactory, probeRole, QAccessible::Graphic);
    QAccessibleInterface* first = accessibleOf(&label);
    const QAccessible::Id id = QAccessible::uniqueId(first);
    claimAccessibleRole<ProbeAccessible>(&label, probeFactory, probeRole, QAccessible::StaticText);
    EXPECT_EQ(QAccessible::uniqueId(accessibleOf(&label)), id) << "an interface of ours is not rebuilt";
    EXPECT_EQ(label.property(probeRole).toInt(), static_cast<int>(QAccessible::StaticText));
}

TEST(AccessibleRole, AnInterfaceTheCheckRefusesIsEvicted) {
    QLabel label;
    claimAccessibleRole<ProbeAccessible>(&label, probeFactory, probeRole, QAccessible::Graphic);
    const QAccessible::Id before = QAccessible::uniqueId(accessibleOf(&label));
    claimAccessibleRole(&label, probeFactory, probeRole, QAccessible::StaticText,
                        [](QAccessibleInterface*) { return false; });
    EXPECT_EQ(QAccessible::accessibleInterface(before), nullptr);
    EXPECT_EQ(accessibleOf(&label)->role(), QAccessible::StaticText);
}

}  // namespace
}  // namespace pellox::app
