#include "atlas/ui/AtlasWindows.h"

#include "atlas/AtlasEdit.h"
#include "atlas/ui/AtlasAddDialog.h"
#include "atlas/ui/AtlasDeleteDialog.h"
#include "atlas/ui/AtlasModifyDialog.h"
#include "atlas/ui/AtlasViewWindow.h"
#include "atlas/ui/BearingsPrintDialog.h"
#include "widgets/MessageBoxes.h"

void OpenAtlasView(const Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    AtlasViewWindow form(atlas, statusLine, parent);
    form.exec();
}

void OpenAtlasAdd(Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    if (const UserMessage blocker = AtlasAddBlocker(atlas); !blocker.IsEmpty()) {
        ShowUserMessage(parent, blocker);
        return;
    }
    AtlasAddDialog form(atlas, statusLine, parent);
    form.exec();
}

void OpenAtlasModify(Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    AtlasModifyDialog form(atlas, statusLine, parent);
    form.exec();
}

void OpenAtlasDelete(Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    AtlasDeleteDialog form(atlas, statusLine, parent);
    form.exec();
}

void OpenPrintBearings(const Atlas& atlas, const Settings& settings, StatusLine* statusLine,
                       QWidget* parent) {
    BearingsPrintDialog form(atlas, settings, statusLine, parent);
    form.exec();
}
