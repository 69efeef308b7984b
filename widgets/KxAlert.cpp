#include "widgets/KxAlert.h"

#include "widgets/KxMessages.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

// The sound is compiled into this static library; make sure the linker keeps it.
static void InitAlertResource() {
    Q_INIT_RESOURCE(widgets);
}

void PlayAlertSound() {
    CurrentMessagePresenter().alert();
}

void PlayAlertResource() {
    // One player for the whole run, parented to the application so it is released
    // with it. QSoundEffect loads and plays asynchronously; with no audio output it
    // simply stays silent.
    static QPointer<QSoundEffect> effect;
    if (!effect) {
        auto* app = QCoreApplication::instance();
        if (!app)
            return;
        InitAlertResource();
        effect = new QSoundEffect(app);
        effect->setSource(QUrl(QStringLiteral("qrc:/ALERT")));
        effect->setVolume(0.6f);
    }
    if (effect->isPlaying())
        effect->stop();
    effect->play();
}
