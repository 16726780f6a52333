#pragma once

#include <algorithm>
#include <string>
#include <vector>

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
        for (const CellOffset& c : ShapeTable[shape])
            Host.DrawCell(x + c.dx, y + c.dy, Game.PieceColor);
    }

    // Starts a game, lays `bottomRows` into the bottom of the well and puts
    // `shape` at (x, y) in place of the first piece. The screen then shows the
    // grid and that piece, and the log starts empty.
    void StartWith(const std::string& bottomRows, int shape, int x, int y) {
        Game.GameGameClick();
        if (!bottomRows.empty()) PlaceRows(Game, bottomRows);
        Place(shape, x, y);
        Game.FormPaint();
        Host.Log.clear();
        Host.WaitScreens.clear();
        Host.Periods.clear();
    }

    // The visible well as the grid holds it, with the falling piece drawn over
    // it: what the screen shows between two engine operations.
    std::string GridWithPiece() const {
        const Well& well = Game.TheWell;
        std::vector<std::string> rows(static_cast<size_t>(well.Height()),
                                      std::string(static_cast<size_t>(well.Width()), '.'));
        for (int y = 0; y < well.Height(); ++y) {
            for (int x = 0; x < well.Width(); ++x)
                rows[y][x] = CellChar(well.GetCell(x, y));
        }
        for (const CellOffset& c : ShapeTable[Game.PieceShape]) {
            const int y = Game.PieceY + c.dy;
            if (y >= 0) rows[y][Game.PieceX + c.dx] = CellChar(Game.PieceColor);
        }
        return JoinRows(rows);
    }

    // The blocks in the grid, hidden rows included.
    int Blocks() const {
        int blocks = 0;
        for (int y = -Well::HiddenRows; y < Game.TheWell.Height(); ++y) {
            for (int x = 0; x < Game.TheWell.Width(); ++x)
                blocks += Game.TheWell.GetCell(x, y) != 0;
        }
        return blocks;
    }

    // The rows removed by each landing of an opening drop: the waits logged
    // between the period of 10000 that the drop sets before a piece enters and
    // the period that the piece's landing sets. Needs Periods and Log kept
    // from before Start.
    std::vector<int> RowsPerOpeningLanding() const {
        std::vector<int> rows;
        const auto& periods = Host.Periods;
        for (size_t i = 0; i + 1 < periods.size(); ++i) {
            if (periods[i].Milliseconds != 10000 || periods[i + 1].Milliseconds == 10000) continue;
            int waits = 0;
            for (size_t j = periods[i].LogIndex; j < periods[i + 1].LogIndex; ++j) {
                waits += Host.Log[j].rfind("wait ", 0) == 0;
            }
            rows.push_back(waits);
        }
        return rows;
    }

    long LogCount(const std::string& entry) const {
        return std::count(Host.Log.begin(), Host.Log.end(), entry);
    }
};
