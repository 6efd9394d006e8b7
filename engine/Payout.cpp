#include "Engine.h"
#include "Texts.h"
#include "Timing.h"

namespace vantorel {

void Engine::ShowCardBacks() {
    const int back = data_.BackPicture();
    for (int place = 1; place <= Places; ++place) {
        if (!IsSet(data_.Held[place])) services_.table.ShowPicture(place, back);
    }
}

void Engine::RevealCards() {
    for (int place = 1; place <= Places; ++place) {
        if (IsSet(data_.Held[place])) continue;
        Wait(timing::BeforeEachCard);
        PlaySound(text::CardFlipSound, SoundMode::Async);
        services_.table.ShowPicture(place, data_.Hand[place]);
    }
}

void Engine::PayWin(Integer Win) {
    TableControls& table = services_.table;
    if (!Ticked(Option::QuickPlay)) {
        for (int flash = 0; flash < timing::Flashes; ++flash) {
            for (int place = 1; place <= Places; ++place) {
                if (IsSet(data_.WinCard[place])) table.ShowPicture(place, WinPicture);
            }
            Wait(timing::FlashHalf);
            for (int place = 1; place <= Places; ++place) {
                if (IsSet(data_.WinCard[place])) table.ShowPicture(place, data_.Hand[place]);
            }
            Wait(timing::FlashHalf);
        }
    }
    for (int place = 1; place <= Places; ++place) data_.WinCard[place] = FlagFalse;

    const auto showScore = [&] {
        table.SetText(Control::Score_Value, NumberText(data_.Score));
        table.Refresh(Control::Score_Value);
    };

    // The target is clamped to 16 bits, and so is every step: a win that would carry the score
    // past 32767 stops there instead of wrapping round into an endless count.
    const Integer target = SatAdd(data_.Score, Win);
    if (!Ticked(Option::QuickPlay)) {
        do {
            data_.Score = SatAdd(data_.Score, data_.Bet);
            showScore();
            PlaySound(text::AlertSound, SoundMode::Wait);
            Wait(timing::CountUpStep);
        } while (data_.Score < target);
    } else {
        data_.Score = target;
        showScore();
        PlaySound(text::AlertSound, SoundMode::Wait);
    }
}

}  // namespace vantorel
