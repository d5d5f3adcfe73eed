// Any bytes as a settings file, read and then loaded.
#include "settingsformat.h"
#include "settingsstore.h"

#include <QBuffer>

#include <cstdlib>

namespace {

class Sink : public store::SettingsTarget
{
public:
    void setTop(int) override {}
    void setLeft(int) override {}
    void setTrackPosition(int) override {}
    void setCustomBackground(int) override {}
    void loadPictureFile(const QString &) override {}
    void setGroupOpened(int group, bool) override
    {
        if (group < 0 || group >= store::kGroupCount)
            std::abort();
    }
    void setHeight(int) override {}
    void apply() override {}
    void setStretch(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    store::readSettingsFile(buffer, map);

    Sink sink;
    store::loadSettings([&map](const QString &name) { return map.value(name); }, sink);

    // What was read is written back and reads again to the same values.
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    if (!store::writeSettingsFile(out, map))
        std::abort();
    out.close();
    out.open(QIODevice::ReadOnly);
    QSettings::SettingsMap again;
    store::readSettingsFile(out, again);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (!it.key().contains(u'=') && again.value(it.key()) != it.value())
            std::abort();
    return 0;
}
