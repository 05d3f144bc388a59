#include "QtToolBar.h"
#include "QtDialog.h"
#include "QtWindow.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <QToolBar>

#include <array>

namespace platform::qt {

QtToolBar::QtToolBar(QtDialog* parent, ControlId id)
    : ModelBackedToolBar(parent, id, new QToolBar(&parent->Container())) {
    // The bar sits among the controls, not in a main window's dock.
    Bar().setMovable(false);
    Bar().setFloatable(false);
    Bar().setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QToolBar& QtToolBar::Bar() const {
    return static_cast<QToolBar&>(*m_widget);
}

void QtToolBar::ShowLoaded(ToolBarTemplate const& bar) {
    // A bar loaded again drops the actions of the last load, which it owns.
    for (QAction* action : Bar().actions()) {
        delete action;
    }
    m_actions.clear();
    QSize const size(bar.buttonSize.width, bar.buttonSize.height);
    QImage const strip = QImage::fromData(bar.image.data(), static_cast<int>(bar.image.size()));
    // Without an image of its own a button shows a stock one, so it can still be seen.
    std::array const stock{QStyle::SP_FileDialogContentsView, QStyle::SP_DialogCloseButton,
                           QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion};
    Bar().setIconSize(size);
    int image = 0;
    for (ControlId const command : bar.buttons) {
        if (command == 0) {
            Bar().addSeparator();
            continue;
        }
        QRect const cell(image * size.width(), 0, size.width(), size.height());
        QIcon const icon =
            !strip.isNull() && cell.right() < strip.width()
                ? QIcon(QPixmap::fromImage(strip.copy(cell)))
                : Bar().style()->standardIcon(stock.at(image % stock.size()), nullptr, &Bar());
        ++image;
        QString const tip = ToQt(ButtonToolTip(command));
        QAction* action = Bar().addAction(icon, tip);
        action->setToolTip(tip);
        action->setCheckable(IsCheckButton(command));
        QObject::connect(action, &QAction::triggered, action, [this, command](bool checked) {
            if (IsCheckButton(command)) {
                FlippedByToolkit(command, checked);
            }
            Message message{.event = Event::Command, .id = command};
            Raise(message);
        });
        m_actions[command] = action;
    }
    Bar().resize(Bar().sizeHint());
}

void QtToolBar::ShowEnabled(ControlId command, bool on) {
    Action(command).setEnabled(on);
}

void QtToolBar::ShowChecked(ControlId command, bool on) {
    Action(command).setChecked(on);
}

Size QtToolBar::FixedSize() const {
    QSize const size = Bar().sizeHint();
    return {size.width(), size.height()};
}

void QtToolBar::SendCommand(ControlId command) {
    // As the button's own click sends it: the button's state is flipped already.
    QAction& action = Action(command);
    emit action.triggered(action.isChecked());
}

} // namespace platform::qt
