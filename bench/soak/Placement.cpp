#include "bench/soak/Placement.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A cell the piece may occupy; anything outside the grid counts as taken.
bool Open(const Well& well, int x, int y) {
    if (x < -1 || x > well.Width() || y < -Well::HiddenRows || y > well.Height()) return false;
    return well.GetCell(x, y) == EmptyCell;
}

bool Fits(const Well& well, int x, int y, int shape) {
    for (const CellOffset& cell : ShapeTable[shape]) {
        if (!Open(well, x + cell.dx, y + cell.dy)) return false;
    }
    return true;
}

struct Pose {
    int x, y, shape;
};

// A turn as the game makes it: the anchor shifts with the new orientation,
// and the turn is refused when any target cell is taken.
bool Turn(const Well& well, Pose& pose, TurnDirection direction) {
    const int shape = TurnSuccessor(pose.shape, direction);
    const CellOffset shift = TurnOffsets(shape, direction);
    if (!Fits(well, pose.x + shift.dx, pose.y + shift.dy, shape)) return false;
    pose = {pose.x + shift.dx, pose.y + shift.dy, shape};
    return true;
}

// How good the well is with the piece landed at `pose`: weights of a common
// hand-tuned evaluation (rows completed, aggregate height, holes, bumpiness).
// While the stack is low, the player keeps the right-hand column free for a
// four-row clear, so that those come now and then too.
double Score(const Well& well, const Pose& pose, bool buildForFour) {
    const int width = well.Width();
    const int top = -Well::HiddenRows;
    const int rows = well.Height() - top;
    std::vector<std::vector<bool>> filled(rows, std::vector<bool>(width));
    for (int y = top; y < well.Height(); ++y) {
        for (int x = 0; x < width; ++x)
            filled[y - top][x] = well.GetCell(x, y) != EmptyCell;
    }
    for (const CellOffset& cell : ShapeTable[pose.shape])
        filled[pose.y + cell.dy - top][pose.x + cell.dx] = true;

    int completed = 0;
    std::vector<std::vector<bool>> kept;
    for (const auto& row : filled) {
        if (std::all_of(row.begin(), row.end(), [](bool b) { return b; })) {
            ++completed;
        } else {
            kept.push_back(row);
        }
    }
    kept.insert(kept.begin(), completed, std::vector<bool>(width));

    int aggregate = 0, holes = 0, bumpiness = 0, previous = -1;
    for (int x = 0; x < width; ++x) {
        int height = 0;
        for (int r = 0; r < rows; ++r) {
            if (kept[r][x]) {
                if (height == 0) height = rows - r;
            } else if (height > 0) {
                ++holes;
            }
        }
        aggregate += height;
        if (previous >= 0) bumpiness += std::abs(height - previous);
        previous = height;
    }
    const double score = -0.510066 * aggregate - 0.35663 * holes - 0.184483 * bumpiness;
    if (!buildForFour) return score + 0.760666 * completed;
    if (completed == 4) return score + 8;
    const bool intoReserved =
        std::any_of(ShapeTable[pose.shape].begin(), ShapeTable[pose.shape].end(),
                    [&](const CellOffset& cell) { return pose.x + cell.dx == width - 1; });
    return intoReserved ? score - 100 : score;
}

// Whether every column stands below half the well's height.
bool Low(const Well& well) {
    for (int x = 0; x < well.Width(); ++x) {
        for (int y = -Well::HiddenRows; y < well.Height() / 2; ++y) {
            if (well.GetCell(x, y) != EmptyCell) return false;
        }
    }
    return true;
}

} // namespace

Placement ChoosePlacement(const Well& well, int shape, int x, int y, double slips,
                          std::mt19937& random) {
    using enum TurnDirection;
    const std::vector<std::vector<TurnDirection>> turnings = {{}, {Right}, {Right, Right}, {Left}};
    struct Candidate {
        Placement placement;
        double score;
    };
    std::vector<Candidate> candidates;
    const bool buildForFour = Low(well);
    for (const auto& turns : turnings) {
        Pose turned{x, y, shape};
        if (!std::all_of(turns.begin(), turns.end(),
                         [&](TurnDirection d) { return Turn(well, turned, d); }))
            continue;
        for (int step : {-1, 1}) {
            for (Pose moved = turned; Fits(well, moved.x, moved.y, moved.shape); moved.x += step) {
                if (step == 1 && moved.x == turned.x) continue; // counted going left
                Pose landed = moved;
                while (Fits(well, landed.x, landed.y + 1, landed.shape))
                    ++landed.y;
                candidates.push_back(
                    {{turns, moved.x - turned.x}, Score(well, landed, buildForFour)});
            }
        }
    }
    if (candidates.empty()) return {};
    if (std::uniform_real_distribution<double>(0, 1)(random) < slips) {
        return candidates[std::uniform_int_distribution<size_t>(0, candidates.size() - 1)(random)]
            .placement;
    }
    return std::max_element(
               candidates.begin(), candidates.end(),
               [](const Candidate& a, const Candidate& b) { return a.score < b.score; })
        ->placement;
}
