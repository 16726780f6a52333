#pragma once

#include <random>

#include "engine/EngineJournal.h"

// Puts draws from a seeded sequence in place of the generator's, which are
// taken from the clock, and passes everything on to the journal it wraps (the
// window's recorder). Two runs with the same seed then get the same pieces and
// colours in the same order, so that they can be compared as the same game.
class SeededDraws : public EngineJournal {
public:
    SeededDraws(EngineJournal& inner, unsigned seed) : inner_(inner), random_(seed) {}
    EngineJournal& Inner() const { return inner_; }

    void GameBegins(const TGameSettings& settings, int nextKind) override {
        inner_.GameBegins(settings, nextKind);
    }
    void Operation(GameEvent kind, int value) override { inner_.Operation(kind, value); }
    int Draw(int range, int) override {
        return inner_.Draw(range, std::uniform_int_distribution<int>(1, range)(random_));
    }
    void Landed(int rows) override { inner_.Landed(rows); }
    void GameEnds(const Engine& game, bool over) override { inner_.GameEnds(game, over); }

private:
    EngineJournal& inner_;
    std::mt19937 random_;
};
