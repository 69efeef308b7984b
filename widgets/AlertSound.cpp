#include "widgets/AlertSound.h"

#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryFile>

#include <cstdint>

#include <alsa/asoundlib.h>
#include <canberra.h>

// The sound is compiled into this static library; make sure the linker keeps it.
static void InitAlertResource() {
    Q_INIT_RESOURCE(widgets);
}

namespace {

// ALSA, under libcanberra, prints its own lines on standard error when a machine has no
// sound card; without a card the alert is simply not heard, so they are not wanted.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// libcanberra (the desktop's event-sound library) plays a sound in its own thread, so
// ca_context_play returns at once; it plays files only, so the embedded wave is copied
// once into a temporary file that lives, and is removed, with the application.
struct AlertPlayer {
    ca_context* context = nullptr;
    QPointer<QTemporaryFile> wave;
    bool failed = false;

    ~AlertPlayer() {
        if (context)
            ca_context_destroy(context);
    }

    bool ready() {
        if (failed)
            return false;
        if (context && wave)
            return true;
        auto* app = QCoreApplication::instance();
        if (!app)
            return false;
        failed = true; // until everything below has worked
        InitAlertResource();
        QFile resource(QStringLiteral(":/ALERT"));
        auto* file = new QTemporaryFile(app);
        file->setFileTemplate(QDir::tempPath() + QStringLiteral("/hopscope-alert-XXXXXX.wav"));
        if (!resource.open(QIODevice::ReadOnly) || !file->open() ||
            file->write(resource.readAll()) != resource.size() || !file->flush()) {
            delete file;
            return false;
        }
        snd_lib_error_set_handler(IgnoreAlsaError);
        if (!context && ca_context_create(&context) != CA_SUCCESS) {
            context = nullptr;
            delete file;
            return false;
        }
        ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Hopscope",
                                CA_PROP_APPLICATION_ID, "io.github.hopscope.hopscope", nullptr);
        wave = file;
        failed = false;
        return true;
    }
};

} // namespace

void PlayAlertSound() {
    CurrentMessagePresenter().alert();
}

void PlayAlertResource() {
    static AlertPlayer player;
    // A sound still playing is cut short, so alerts in quick succession do not pile up.
    constexpr std::uint32_t kAlertId = 1;
    if (player.ready()) {
        ca_context_cancel(player.context, kAlertId);
        const QByteArray path = QFile::encodeName(player.wave->fileName());
        if (ca_context_play(player.context, kAlertId, CA_PROP_MEDIA_FILENAME, path.constData(),
                            CA_PROP_MEDIA_ROLE, "event", CA_PROP_CANBERRA_VOLUME, "-4.4",
                            nullptr) == CA_SUCCESS)
            return;
    }
    // No sound library or no audio output: the display's bell, which is silent where
    // there is none.
    QApplication::beep();
}
