// The quiz window's sound: one stream at a time through the sound library.
#include "quiz/Musikquiz.h"

void Musikquiz::SoundAbspielen(const std::string& name) {
    ton_->SoundAbspielen(name);
}

void Musikquiz::PlaySound(const std::string& file) {
    ton_->PlaySound(file);
}

void Musikquiz::SoundRepeat_Click() {
    SoundAbspielen(ablauf_.AktuellesAudio);
}

void Musikquiz::StreamBreak() {
    ton_->StreamBreak();
}
