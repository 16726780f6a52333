#include "engine/Assert.h"
#include "engine/Catalogue.h"
#include "engine/Engine.h"

int Engine::Rnd(int n) {
    BRIMAL_ASSERT(n >= 1);
    // Reseeded from the clock at every draw: two draws in the same millisecond
    // give the same fraction of their ranges.
    seed_ = host_.MillisecondsSinceMidnightUtc();
    seed_ = seed_ * 134775813u + 1u;
    const std::uint64_t product = static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n);
    const int drawn = static_cast<int>(product >> 32) + 1;
    // A replay puts the recorded draw in its place.
    return journal_ ? journal_->Draw(n, drawn) : drawn;
}

int Engine::PickKind() {
    const int r = Rnd(100);
    // Kind 7 takes whatever kinds 1 to 6 leave of 100; its own percentage plays
    // no part in the choice.
    long long sum = settings_.Ratios[1];
    for (int kind = 1; kind <= 6; ++kind) {
        if (sum >= r) return kind;
        sum += settings_.Ratios[kind + 1];
    }
    return 7;
}

int Engine::PickShape(int kind) {
    switch (kind) {
    case 1:
        return 1;
    case 2:
        return Rnd(2) + 1;
    case 3:
        return Rnd(2) + 3;
    case 4:
        return Rnd(2) + 5;
    case 5:
        return Rnd(4) + 7;
    case 6:
        return Rnd(4) + 11;
    default:
        return Rnd(4) + 15;
    }
}

int Engine::FreshKind() {
    return settings_.RatioOn ? PickKind() : Rnd(KindCount);
}

int Engine::ColorOfShape(int shape) {
    if (settings_.ShowNext || settings_.FixedColors) return FixedColorOfShape(shape);
    return Rnd(7);
}

void Engine::DrawFreshKind() {
    NextKind = FreshKind();
}
