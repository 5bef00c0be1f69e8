#include "app/MainMenu.h"

#include "resources/MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <vector>

QList<QKeySequence> AcceleratorKeys(char character) {
    if (character < 0x01 || character > 0x1A)
        return {};
    const auto letter = Qt::Key(Qt::Key_A + character - 1);
    // The control character comes with or without Shift; the first is shown.
    return {QKeySequence(Qt::CTRL | letter), QKeySequence(Qt::CTRL | Qt::SHIFT | letter)};
}

std::map<int, QAction*> BuildMainMenu(QMenuBar& bar, const std::function<bool(int)>& hasHandler,
                                      const std::function<void(int)>& dispatch) {
    std::map<int, QAction*> actions;
    for (int menuIndex = 0; menuIndex < int(kMainMenuTitles.size()); ++menuIndex) {
        // Items without a handler are left out, and with them any separator
        // that would then stand at an edge or beside another.
        std::vector<const MenuItemResource*> items;
        for (const MenuItemResource& item : kMainMenuItems) {
            if (item.menu != menuIndex || (item.id != 0 && !hasHandler(item.id)))
                continue;
            if (item.id == 0 && (items.empty() || items.back()->id == 0))
                continue;
            items.push_back(&item);
        }
        while (!items.empty() && items.back()->id == 0)
            items.pop_back();
        if (items.empty())
            continue;

        QMenu* menu = bar.addMenu(QString::fromUtf8(kMainMenuTitles[menuIndex]));
        for (const MenuItemResource* item : items) {
            if (item->id == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item->label));
            action->setShortcuts(AcceleratorKeys(item->accelerator));
            action->setData(item->id);
            const int id = item->id;
            QObject::connect(action, &QAction::triggered, &bar, [dispatch, id] { dispatch(id); });
            actions[id] = action;
        }
    }
    return actions;
}
