#include "atlas/ui/AtlasWindows.h"

#include "atlas/AtlasEdit.h"
#include "atlas/ui/TAtlasAddForm.h"
#include "atlas/ui/TAtlasDeleteForm.h"
#include "atlas/ui/TAtlasModifyForm.h"
#include "atlas/ui/TDispAtlasForm.h"
#include "atlas/ui/TPrintBearingsForm.h"
#include "widgets/KxMessages.h"

void OpenAtlasView(const Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    TDispAtlasForm form(atlas, statusLine, parent);
    form.exec();
}

void OpenAtlasAdd(Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    if (const UserMessage blocker = AtlasAddBlocker(atlas); !blocker.IsEmpty()) {
        ShowUserMessage(parent, blocker);
        return;
    }
    TAtlasAddForm form(atlas, statusLine, parent);
    form.exec();
}

void OpenAtlasModify(Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    TAtlasModifyForm form(atlas, statusLine, parent);
    form.exec();
}

void OpenAtlasDelete(Atlas& atlas, StatusLine* statusLine, QWidget* parent) {
    TAtlasDeleteForm form(atlas, statusLine, parent);
    form.exec();
}

void OpenPrintBearings(const Atlas& atlas, const Settings& settings, StatusLine* statusLine,
                       QWidget* parent) {
    TPrintBearingsForm form(atlas, settings, statusLine, parent);
    form.exec();
}
