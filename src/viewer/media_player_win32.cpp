#include "viewer/media_player_win32.h"

// Placeholder until the DirectShow player is built: holds no graph, so every caller takes
// its "no clip loaded" path and nothing visible happens.
MediaPlayer::~MediaPlayer() = default;
void MediaPlayer::setScriptClip(const ScriptClip&) {}
void MediaPlayer::setAviSynthErrorLogged(bool) {}
void MediaPlayer::openMedia(const char*, int) {}
void MediaPlayer::closePlayer() {}
void MediaPlayer::togglePlay(const char*) {}
long long MediaPlayer::seekToFrame(long long) { return 0; }
int MediaPlayer::updatePosition() { return 0; }
int MediaPlayer::readCurrentFrame() { return 0; }
void MediaPlayer::drawFrameInfo() {}
int MediaPlayer::pollEvents() { return -1; }
void MediaPlayer::layoutVideo() {}
void MediaPlayer::openAlpha(const char*, long long) {}
void MediaPlayer::closeAlpha() {}
void MediaPlayer::openBeta(const char*, long long) {}
void MediaPlayer::closeBeta() {}
void MediaPlayer::listFilters(const char*) {}
void MediaPlayer::showFilterProperties() {}
void MediaPlayer::onPropertyFrameTimer() {}
bool MediaPlayer::grabFrame(long long, const char*) { return false; }
