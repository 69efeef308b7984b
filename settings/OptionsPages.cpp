#include "settings/OptionsPages.h"

int StartingOptionsPage(const Settings& settings, int lastPage) {
    if (!settings.DefaultDefined)
        return 0;
    if (settings.FrequencyCount == 0)
        return 1;
    return lastPage >= 0 && lastPage <= 4 ? lastPage : 0;
}
