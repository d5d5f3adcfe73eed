// Any bytes as a settings file, read and then loaded.
#include "settingsformat.h"
#include "settingsstore.h"

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
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const store::StoredValues values = store::parseSettingsText(bytes);

    Sink sink;
    store::loadSettings(values, sink);

    // What was read is written back and reads again to the same values.
    const store::StoredValues again = store::parseSettingsText(store::settingsText(values));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (!it.key().contains(u'=') && again.value(it.key()) != it.value())
            std::abort();
    return 0;
}
