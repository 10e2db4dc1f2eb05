#include "Food.h"
#include "snakeTestWorld.h"

namespace {

using Rules = SnakeTestWorld;

struct Move {
    vl::Key key;  // pressed before the frames run; Undefined presses nothing
    int frames;
};

TEST_F(Rules, SteeringPaceAndWhatEndsTheRound) {
    using K = vl::Key;
    const struct {
        const char* what;
        vl::Vector start;
        int length;
        std::vector<Move> moves;
        vl::Vector head;
        bool alive;
    } cases[] = {
        {"a move across takes two steps", {10, 12}, 4, {{K::Undefined, 4}}, {12, 12}, true},
        {"a move up or down takes five", {10, 12}, 4, {{K::ArrowDown, 6}}, {10, 13}, true},
        {"... and not more", {10, 12}, 4, {{K::ArrowDown, 7}}, {10, 14}, true},
        {"turning back is ignored", {10, 12}, 4, {{K::ArrowLeft, 2}}, {11, 12}, true},
        {"up, then back within a move, goes up",
         {10, 12},
         4,
         {{K::W, 0}, {K::A, 2}},
         {10, 11},
         true},
        {"other keys do not steer", {10, 12}, 4, {{K::Space, 2}}, {11, 12}, true},
        {"into its own body", {10, 12}, 5, {{K::S, 2}, {K::A, 5}, {K::W, 2}}, {9, 12}, false},
        {"onto the last column", {80, 5}, 1, {{K::Undefined, 2}}, {81, 5}, true},
        {"off the right edge", {81, 5}, 1, {{K::Undefined, 2}}, {82, 5}, false},
        {"onto the top row", {5, 2}, 1, {{K::W, 2}}, {5, 1}, true},
        {"onto the score's row", {5, 1}, 1, {{K::W, 2}}, {5, 0}, false},
        {"onto the bottom row", {5, 22}, 1, {{K::S, 2}}, {5, 23}, true},
        {"off the bottom edge", {5, 23}, 1, {{K::S, 2}}, {5, 24}, false},
        {"onto the first column", {1, 5}, 1, {{K::S, 2}, {K::A, 5}}, {0, 6}, true},
        {"off the left edge", {0, 5}, 1, {{K::S, 2}, {K::A, 5}}, {-1, 6}, false},
    };
    for (const auto& c : cases) {
        Snake* head = replaceSnake(c.start, c.length);
        for (const Move& move : c.moves) {
            press(move.key);
            runFrames(move.frames);
        }
        EXPECT_EQ(head->getPosition(), c.head) << c.what;
        EXPECT_EQ(head->isAlive(), c.alive) << c.what;
        EXPECT_EQ(live("GameOver").size(), c.alive ? 0u : 1u) << c.what;
        press(K::R);
    }
}

TEST_F(Rules, EatingScoresGrowsAndPlacesNewFood) {
    Snake* head = replaceSnake(vl::Vector(10, 12), 4);
    new Food(vl::Vector(11, 12));
    new Food(vl::Vector(12, 12));
    runFrames(2);
    EXPECT_EQ(score(), kPointsPerFood);
    EXPECT_EQ(head->getLength(), 4) << "the body grows from the next move on";
    runFrames(2);
    EXPECT_EQ(score(), 2 * kPointsPerFood);
    runFrames(6);
    EXPECT_EQ(head->getLength(), 4 + 2 * Snake::kGrowthPerFood);
    EXPECT_EQ(live("Food").size(), 3u) << "each eaten piece is replaced";
}

TEST_F(Rules, FoodIsNeverPlacedOnTheSnake) {
    replaceSnake(vl::Vector(60, 12), 40);
    runFrames(1);
    for (int i = 0; i < 200; ++i) {
        const vl::Vector cell = freeCell();
        EXPECT_TRUE(boxesOverlap(vl::Box(cell, 0, 0), kField));
        EXPECT_FALSE(cell.y == 12 && cell.x > 20 && cell.x <= 60) << cell.x;
    }
}

}  // namespace
