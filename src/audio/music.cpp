// Music by level group and the click: the track table, playback with the shared gain, the click.
#include "music.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>

#include "../shell/records.h"

bool audioAvailable = false;
static int clicksAsked = 0;

static const char* const groupTracks[] = {
    "media/ogg/Orvanel.ogg",  "media/ogg/Quessith.ogg", "media/ogg/Dramwick.ogg",
    "media/ogg/Zolvenar.ogg", "media/ogg/Kestrune.ogg",
};
static const char* const startPagesTrack = "media/ogg/muz1.ogg";
static const char* const finaleTrack = "media/ogg/Mirtallo.ogg";

void setUpAudio()
{
    bool installed = al_install_audio();
    al_init_acodec_addon();
    // al_reserve_samples aborts the process when no device could be opened, so it is asked only
    // after a successful install.
    audioAvailable = installed && al_reserve_samples(1);
}

const char* musicFileForLevel(int level)
{
    if (level <= 0) return startPagesTrack;
    if (level > levelCount) return finaleTrack;
    return groupTracks[(level - 1) / 5];
}

static void releaseMusic()
{
    if (resources.musicInstance) {
        al_destroy_sample_instance(resources.musicInstance);
        resources.musicInstance = nullptr;
    }
    if (resources.musicSample) {
        al_destroy_sample(resources.musicSample);
        resources.musicSample = nullptr;
    }
}

void selectMusic()
{
    // The pair being replaced is stopped by now and never used again; letting it go keeps memory flat
    // from level to level.
    releaseMusic();
    if (!audioAvailable) return;
    resources.musicSample = al_load_sample(musicFileForLevel(game.level));
    if (!resources.musicSample) return;
    resources.musicInstance = al_create_sample_instance(resources.musicSample);
    if (!resources.musicInstance) return;
    ALLEGRO_MIXER* mixer = al_get_default_mixer();
    if (!mixer || !al_attach_sample_instance_to_mixer(resources.musicInstance, mixer)) {
        releaseMusic();
        return;
    }
    al_set_sample_instance_playmode(resources.musicInstance, ALLEGRO_PLAYMODE_LOOP);
}

void playMusic()
{
    if (!audioAvailable || !resources.musicInstance) return;
    al_set_sample_instance_gain(resources.musicInstance, game.musicGain);
    if (!al_get_sample_instance_playing(resources.musicInstance)) al_play_sample_instance(resources.musicInstance);
}

void stopMusic()
{
    if (!audioAvailable || !resources.musicInstance) return;
    al_stop_sample_instance(resources.musicInstance);
}

void playClick()
{
    ++clicksAsked;
    if (!audioAvailable || !resources.clickSample) return;
    al_play_sample(resources.clickSample, 1.0f, 0.0f, 1.0f, ALLEGRO_PLAYMODE_ONCE, nullptr);
}

int clickRequests() { return clicksAsked; }
