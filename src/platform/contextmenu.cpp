#include "platform/contextmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>

#include "controls/textbox.h"
#include "controls/userinput.h"

namespace platform {

void runEditMenu(QLineEdit& edit, controls::TextBox& box, QPoint position,
                 const std::function<bool()>& alive) {
    QClipboard* clipboard = QApplication::clipboard();
    const bool selected = box.selLength() > 0;
    QMenu menu(&edit);
    QAction* cut = menu.addAction(QStringLiteral("Cu&t"));
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    QAction* paste = menu.addAction(QStringLiteral("&Paste"));
    QAction* remove = menu.addAction(QStringLiteral("&Delete"));
    menu.addSeparator();
    QAction* all = menu.addAction(QStringLiteral("Select &All"));
    cut->setEnabled(selected);
    copy->setEnabled(selected);
    remove->setEnabled(selected);
    paste->setEnabled(!clipboard->text().isEmpty());
    all->setEnabled(box.length() > 0);

    const QPointer<QLineEdit> guard(&edit);
    QAction* chosen = menu.exec(position);
    if (chosen == nullptr || guard == nullptr || !alive()) return;
    if (chosen == copy || chosen == cut) clipboard->setText(edit.selectedText());
    if (chosen == cut || chosen == remove) {
        controls::userDelete(box);
    } else if (chosen == paste) {
        controls::userPasteOverSelection(box, clipboard->text().toStdString());
    } else if (chosen == all) {
        controls::userSelect(box, 0, box.length());
    }
}

void runLabelMenu(QLabel& label, QPoint position) {
    QMenu menu(&label);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"));
    const QPointer<QLabel> guard(&label);
    if (menu.exec(position) != copy || guard == nullptr) return;
    QApplication::clipboard()->setText(label.hasSelectedText() ? label.selectedText()
                                                               : label.text());
}

}  // namespace platform
