#include "ui/u_Sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>
#include <array>

// The sounds are built into this static library and nothing else refers to them, so the
// linker would leave them out without this call.
static void InitSoundResources()
{
    Q_INIT_RESOURCE(sounds);
}

namespace {

constexpr std::array<std::string_view, 5> kSoundNames = {"SND_OPEN", "SND_DROP", "SND_DELETE",
                                                         "SND_BLIP01", "SND_BLIP02"};

} // namespace

TSoundPlayer::TSoundPlayer()
{
    InitSoundResources();
}

TSoundPlayer::~TSoundPlayer() = default;

void TSoundPlayer::Play(std::string_view name)
{
    if (std::find(kSoundNames.begin(), kSoundNames.end(), name) == kSoundNames.end()) return;
    if (!HasOutput()) return;
    auto found = FEffects.find(name);
    if (found == FEffects.end()) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl("qrc:/sounds/" +
                               QString::fromLatin1(name.data(), qsizetype(name.size())) + ".wav"));
        found = FEffects.emplace(std::string(name), std::move(effect)).first;
    }
    // A sound that is still loading starts as soon as it is ready.
    found->second->play();
}

bool TSoundPlayer::HasOutput()
{
    if (!FHasOutput) FHasOutput = !QMediaDevices::defaultAudioOutput().isNull();
    return *FHasOutput;
}
