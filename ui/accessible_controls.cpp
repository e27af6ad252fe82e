#include "ui/accessible_controls.h"

#include "ui/caption_label.h"
#include "ui/caption_text.h"
#include "ui/launch_button.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {

class TLaunchButtonAccessible final : public QAccessibleWidget {
public:
    explicit TLaunchButtonAccessible(TLaunchButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return WithoutAccessKeyMarks(Button()->Caption());
        case QAccessible::Description:
            return Button()->TargetName();
        case QAccessible::Accelerator:
            return Button()->shortcut().toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->OuterBevel() == TLaunchButton::Bevel::Lowered;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            Button()->Press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TLaunchButton* Button() const { return static_cast<TLaunchButton*>(widget()); }
};

class TCaptionLabelAccessible final : public QAccessibleWidget {
public:
    explicit TCaptionLabelAccessible(TCaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return WithoutAccessKeyMarks(static_cast<TCaptionLabel*>(widget())->Caption());
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* ControlInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("TLaunchButton"))
        return new TLaunchButtonAccessible(static_cast<TLaunchButton*>(object));
    if (className == QLatin1String("TCaptionLabel"))
        return new TCaptionLabelAccessible(static_cast<TCaptionLabel*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(ControlInterface);
        return true;
    }();
    (void)installed;
}
