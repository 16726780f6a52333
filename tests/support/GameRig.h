#pragma once

#include "engine/Engine.h"
#include "support/FakeHost.h"
#include "support/TextWell.h"

// An engine on a fake host, with the default settings and texts.
struct GameRig {
    TGameSettings Settings;
    FakeHost Host;
    Engine Game{Host, Settings, EngineTexts{"Brimal  ", "   GameOver!"}};

    GameRig() {
        Game.DrawFreshKind();
        Game.ResetBoard();
    }

    // Lets the virtual clock run to the next tick and delivers it. Returns
    // false when the timer is off.
    bool Tick() {
        if (!Host.AdvanceToTick()) return false;
        Game.Timer1Timer();
        return true;
    }

    // Places a piece by hand and draws it as the engine would.
    void Place(int shape, int x, int y, int color = 0) {
        Game.PieceShape = shape;
        Game.PieceX = x;
        Game.PieceY = y;
        Game.PieceColor = color != 0 ? color : FixedColorOfShape(shape);
        for (const CellOffset& c : ShapeTable[shape]) Host.DrawCell(x + c.dx, y + c.dy, Game.PieceColor);
    }
};
