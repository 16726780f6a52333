#include "bench/soak/EngineSample.h"

#include "engine/Catalogue.h"
#include "engine/Engine.h"

EngineSample ReadEngine(const Engine& game, bool timer1On) {
    EngineSample sample;
    sample.State = game.State();
    sample.Caption = game.Caption();
    sample.Timer1On = timer1On;
    sample.Kazu = std::stoll(game.CounterText(Counter::Kazu));
    sample.Score = std::stoll(game.CounterText(Counter::Score));
    sample.Line4 = std::stoll(game.CounterText(Counter::Line4));
    sample.TheWell = game.TheWell;
    sample.PieceX = game.PieceX;
    sample.PieceY = game.PieceY;
    sample.PieceShape = game.PieceShape;
    const Well& well = game.TheWell;
    for (int x = 0; x < well.Width(); ++x) {
        for (int y = -Well::HiddenRows; y < well.Height(); ++y) {
            const int code = well.GetCell(x, y);
            if (code >= 1 && code <= 7) ++sample.Blocks;
        }
    }
    return sample;
}

std::vector<std::string> BrokenInvariants(const EngineSample& sample) {
    std::vector<std::string> broken;
    const Well& well = sample.TheWell;
    const auto at = [](int x, int y) {
        return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    };
    for (int y = -Well::HiddenRows; y <= well.Height(); ++y) {
        for (int x = -1; x <= well.Width(); ++x) {
            const int code = well.GetCell(x, y);
            const bool wall = x == -1 || x == well.Width() || y == well.Height();
            if (wall && code != WallCell) broken.push_back("wall or floor broken" + at(x, y));
            if (!wall && (code < 0 || code > 7))
                broken.push_back("cell code " + std::to_string(code) + at(x, y));
        }
    }
    if (sample.State != GameState::Idle) {
        if (sample.PieceShape < 1 || sample.PieceShape > ShapeCount) {
            broken.push_back("falling piece of shape " + std::to_string(sample.PieceShape));
        } else {
            for (const CellOffset& cell : ShapeTable[sample.PieceShape]) {
                const int x = sample.PieceX + cell.dx, y = sample.PieceY + cell.dy;
                if (x < 0 || x >= well.Width() || y < -Well::HiddenRows || y >= well.Height()) {
                    broken.push_back("falling piece outside the well" + at(x, y));
                } else if (well.GetCell(x, y) != EmptyCell) {
                    broken.push_back("falling piece overlaps a block" + at(x, y));
                }
            }
        }
    }
    if (sample.Timer1On != (sample.State == GameState::Playing)) {
        broken.push_back(std::string("Timer1 ") + (sample.Timer1On ? "on" : "off") +
                         " in the state titled '" + sample.Caption + "'");
    }
    return broken;
}
