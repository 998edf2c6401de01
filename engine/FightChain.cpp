#include "FightChain.h"

#include "Arithmetic.h"
#include "Round.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace engine {

namespace {

// At most this many cells of four doubles are held (32 MiB).
constexpr double heldCellsLimit = 1 << 20;

// Besides the earlier rows kept: the row in work with its padding, its sums over the
// earlier rows and the fallen row.
constexpr double rowsInWork = 4;

// The chances of the three ends and the expected number of rounds from one state, the
// fighters named by the chain's rows and columns.
struct Outlook {
    double rowWins = 0;
    double columnWins = 0;
    double bothFall = 0;
    double rounds = 0;
};

struct Loss {
    std::int32_t steps;
    double chance;
};

// Losses as steps over the live states 1 … size (life points 4 … 3 + size); every loss of
// size or more ends the fighter from any of them, so they are one.
std::vector<Loss> lossSteps(const LifeLoss& loss, std::int32_t size) {
    std::vector<Loss> steps;
    for (const LossChance& each : loss.losses) {
        const std::int32_t step = std::min(each.lifePoints, size);
        if (!steps.empty() && steps.back().steps == step) {
            steps.back().chance += each.chance;
        } else {
            steps.push_back({step, each.chance});
        }
    }
    return steps;
}

// The largest loss that can leave the fighter standing: how many earlier rows are needed.
std::int32_t reachBack(const std::vector<Loss>& steps, std::int32_t size) {
    std::int32_t reach = 0;
    for (const Loss& loss : steps) {
        if (loss.steps < size) {
            reach = std::max(reach, loss.steps);
        }
    }
    return reach;
}

// The chain is almost all multiply-adds on four lanes at once: one register where the
// processor has 256-bit vectors. Without contracted multiply-adds both versions compute
// the same figures to the last bit.
#if defined(__x86_64__) && defined(__linux__)
#define FORECAST_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define FORECAST_WIDE_VECTORS
#endif

// The chain over rows 1 … rowSize and columns 1 … columnSize (life points less 3). Row by
// row, each state's outlook is what the round leads to, divided by the chance of leaving
// it. The rows before are kept already summed over the column fighter's losses, and the
// nearest loss within the row is added last, so that only it waits for the state before.
FORECAST_WIDE_VECTORS Outlook solveChain(std::int32_t rowSize, std::int32_t columnSize,
                                         const std::vector<Loss>& rowSteps,
                                         const std::vector<Loss>& columnSteps, double rowStays,
                                         double columnStays) {
    // Row fighter wins, column fighter wins, both fall, rounds. Stored as plain doubles,
    // so no allocation needs the vectors' alignment.
    using Lanes = double __attribute__((vector_size(32)));
    struct Cell {
        double lanes[4];
    };
    // Out-parameters, not return values: the vectors cross no function boundary.
    const auto load = [](Lanes& lanes, const Cell& cell) {
        std::memcpy(&lanes, cell.lanes, sizeof lanes);
    };
    const auto store = [](Cell& cell, const Lanes& lanes) {
        std::memcpy(cell.lanes, &lanes, sizeof lanes);
    };
    const Lanes rowWinsNow{1, 0, 0, 0};
    const Lanes columnWinsNow{0, 1, 0, 0};
    const Lanes bothFallNow{0, 0, 1, 0};
    const Lanes oneRound{0, 0, 0, 1};

    const double leaving = 1.0 / (1.0 - rowStays * columnStays);
    const double sameRowFactor = rowStays * leaving;
    const auto columns = static_cast<std::size_t>(columnSize);
    const auto pad = static_cast<std::size_t>(columnSteps.empty() ? 0 : columnSteps.back().steps);

    // The fallen row fighter's states, summed over the column fighter's losses.
    // Rows are summed in blocks of columns held in registers; the rows are padded to whole
    // blocks so that every block reads cells of its own row.
    constexpr std::size_t block = 8;
    const std::size_t stride = 1 + (columns + block - 1) / block * block;
    std::vector<Cell> fallenRow(stride);
    for (std::size_t column = 1; column <= columns; ++column) {
        Lanes sum = columnStays * columnWinsNow;
        for (const Loss& loss : columnSteps) {
            sum += loss.chance *
                   (column > static_cast<std::size_t>(loss.steps) ? columnWinsNow : bothFallNow);
        }
        store(fallenRow[column], sum);
    }

    const auto reach = static_cast<std::size_t>(reachBack(rowSteps, rowSize));
    std::vector<Cell> keptRows(reach * stride);
    std::vector<Cell> fromEarlierRows(stride);
    std::vector<const Cell*> sources(rowSteps.size());
    std::vector<double> sourceFactors(rowSteps.size());
    for (std::size_t k = 0; k < rowSteps.size(); ++k) {
        sourceFactors[k] = rowSteps[k].chance * leaving;
    }

    // The row in work, its first pad cells for the column fighter fallen.
    std::vector<Cell> current(pad + stride + 1);
    for (Cell& columnFallen : current) {
        store(columnFallen, rowWinsNow);
    }
    const std::size_t farLosses = columnSteps.empty() ? 0 : columnSteps.size() - 1;
    const std::size_t nearStep =
        columnSteps.empty() ? 0 : static_cast<std::size_t>(columnSteps.front().steps);
    const double nearChance = columnSteps.empty() ? 0 : columnSteps.front().chance;
    const double nearFactor = nearChance * sameRowFactor;
    const Lanes eachRound = leaving * oneRound;

    for (std::size_t row = 1; row <= static_cast<std::size_t>(rowSize); ++row) {
        for (std::size_t k = 0; k < rowSteps.size(); ++k) {
            const auto step = static_cast<std::size_t>(rowSteps[k].steps);
            sources[k] =
                row > step ? keptRows.data() + ((row - step) % reach) * stride : fallenRow.data();
        }
        Cell* kept = reach > 0 ? keptRows.data() + (row % reach) * stride : nullptr;
        Lanes term;
        for (std::size_t first = 1; first <= columns; first += block) {
            Lanes sums[block];
            for (Lanes& sum : sums) {
                sum = eachRound;
            }
            for (std::size_t k = 0; k < sources.size(); ++k) {
                const Cell* source = sources[k] + first;
                const double factor = sourceFactors[k];
                for (std::size_t b = 0; b < block; ++b) {
                    load(term, source[b]);
                    sums[b] += factor * term;
                }
            }
            for (std::size_t b = 0; b < block; ++b) {
                store(fromEarlierRows[first + b], sums[b]);
            }
        }
        // Two columns at a time: every far loss reaches back two columns or more, so both
        // far sums need only states already known. A pair may run one column past the
        // last; that cell feeds nothing but cells past the last as well.
        for (std::size_t column = 1; column <= columns; column += 2) {
            const Cell* left = current.data() + pad + column;
            Lanes farInRow[2]{};
            for (std::size_t k = farLosses; k > 0; --k) {
                const Cell* source = left - static_cast<std::size_t>(columnSteps[k].steps);
                const double chance = columnSteps[k].chance;
                load(term, source[0]);
                farInRow[0] += chance * term;
                load(term, source[1]);
                farInRow[1] += chance * term;
            }
            for (std::size_t pair = 0; pair < 2; ++pair) {
                const std::size_t at = column + pair;
                Lanes earlier;
                load(earlier, fromEarlierRows[at]);
                Lanes near;
                load(near, current[pad + at - nearStep]);
                const Lanes here = (earlier + sameRowFactor * farInRow[pair]) + nearFactor * near;
                store(current[pad + at], here);
                if (kept != nullptr) {
                    store(kept[at], columnStays * here + (farInRow[pair] + nearChance * near));
                }
            }
        }
    }
    const Cell& start = current[pad + columns];
    return {start.lanes[0], start.lanes[1], start.lanes[2], start.lanes[3]};
}

ForecastFigures figuresOf(const Outlook& outlook, bool rowsAreFighter1) {
    return {rowsAreFighter1 ? outlook.rowWins : outlook.columnWins,
            rowsAreFighter1 ? outlook.columnWins : outlook.rowWins, outlook.bothFall,
            outlook.rounds};
}

// A fight in which a fighter is already down ends after the next round, unless a loss
// wraps its life points around to the top of the range.
FightForecast lastRound(std::int32_t lifePoints1, std::int32_t lifePoints2, const LifeLoss& lossOf1,
                        const LifeLoss& lossOf2, std::int64_t budget) {
    std::vector<LossChance> losses1 = lossOf1.losses;
    std::vector<LossChance> losses2 = lossOf2.losses;
    losses1.push_back({0, lossOf1.chanceOfNone});
    losses2.push_back({0, lossOf2.chanceOfNone});
    ForecastFigures figures{0, 0, 0, 1};
    for (const LossChance& loss1 : losses1) {
        for (const LossChance& loss2 : losses2) {
            const double chance = loss1.chance * loss2.chance;
            const bool down1 = wrappingSub(lifePoints1, loss1.lifePoints) <= lostAtLifePoints;
            const bool down2 = wrappingSub(lifePoints2, loss2.lifePoints) <= lostAtLifePoints;
            if (chance == 0) {
                continue;
            }
            if (!down1 && !down2) {
                const double size1 = wrappingSub(lifePoints1, loss1.lifePoints) - 3.0;
                const double size2 = wrappingSub(lifePoints2, loss2.lifePoints) - 3.0;
                return TooLargeToCompute{size1 * size2 * 2, budget};
            }
            (down1 && down2 ? figures.bothFall
             : down1        ? figures.fighter2Wins
                            : figures.fighter1Wins) += chance;
        }
    }
    return figures;
}

} // namespace

FightForecast solveFight(std::int32_t lifePoints1, std::int32_t lifePoints2,
                         const LifeLoss& lossOf1, const LifeLoss& lossOf2, std::int64_t budget) {
    if (lifePoints1 <= lostAtLifePoints || lifePoints2 <= lostAtLifePoints) {
        return lastRound(lifePoints1, lifePoints2, lossOf1, lossOf2, budget);
    }
    if (!lossOf1.canLose() && !lossOf2.canLose()) {
        return NobodyCanFall{};
    }
    // Cannot overflow: both are at least 4.
    const std::int32_t size1 = lifePoints1 - lostAtLifePoints;
    const std::int32_t size2 = lifePoints2 - lostAtLifePoints;
    const double steps = static_cast<double>(size1) * static_cast<double>(size2) *
                         static_cast<double>(lossOf1.losses.size() + lossOf2.losses.size());
    if (steps > static_cast<double>(budget)) {
        return TooLargeToCompute{steps, budget};
    }
    // Rows run over the fighter for whom the chain holds fewer cells.
    const auto heldCells = [](std::int32_t rowSize, const LifeLoss& rowLoss,
                              std::int32_t columnSize) {
        return (reachBack(lossSteps(rowLoss, rowSize), rowSize) + rowsInWork) *
               static_cast<double>(columnSize);
    };
    const double heldBy1 = heldCells(size1, lossOf1, size2);
    const double heldBy2 = heldCells(size2, lossOf2, size1);
    if (std::min(heldBy1, heldBy2) > heldCellsLimit) {
        return TooLargeToCompute{steps, budget};
    }
    if (heldBy1 <= heldBy2) {
        return figuresOf(solveChain(size1, size2, lossSteps(lossOf1, size1),
                                    lossSteps(lossOf2, size2), lossOf1.chanceOfNone,
                                    lossOf2.chanceOfNone),
                         true);
    }
    return figuresOf(solveChain(size2, size1, lossSteps(lossOf2, size2), lossSteps(lossOf1, size1),
                                lossOf2.chanceOfNone, lossOf1.chanceOfNone),
                     false);
}

} // namespace engine
