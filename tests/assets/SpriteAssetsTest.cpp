#include <gtest/gtest.h>

#include <string>

#include <vl/vl.h>
#include "support/GameFixture.h"

namespace {

struct SpriteAsset {
    const char* file;
    // The sprite is on an object that moves or shoots, so its picture must
    // cover exactly its collision box.
    bool collides;
    bool animated;
};

constexpr SpriteAsset kSprites[] = {
    {"player-spr.txt", true, true},       {"bullet-spr.txt", true, false},
    {"enemybullet-spr.txt", true, false}, {"sniperturret-spr.txt", true, false},
    {"threeturret-spr.txt", true, false}, {"machineturret-spr.txt", true, false},
    {"zombie-spr.txt", true, true},       {"gamestart-spr.txt", false, false},
    {"gameover-spr.txt", false, false},   {"gamewin-spr.txt", false, false},
};

// The sprite, which must load without any problem: every frame block whole,
// as many as the header declares.
const vl::Sprite* loadFromRunFolder(const std::string& file) {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    const std::string label = "asset-test " + file;
    if (resources.getSprite(label) == nullptr) {
        resources.loadSprite(std::string(VL_RUN_DIR) + "/sprites/" + file, label);
        for (const vl::Problem& problem : resources.getLoadProblems().getProblems()) {
            ADD_FAILURE() << vl::formatProblem(problem);
        }
    }
    return resources.getSprite(label);
}

bool isBlank(const std::string& cells) {
    return cells.find_first_not_of(' ') == std::string::npos;
}

// All frames joined, for searching a screen's text.
std::string allCells(const vl::Sprite& sprite) {
    std::string cells;
    for (int i = 0; i < sprite.getFrameCount(); ++i) {
        cells += sprite.getFrame(i).getCells();
    }
    return cells;
}

TEST(SpriteAssets, EveryFileLoadsWholeAndVisible) {
    for (const SpriteAsset& asset : kSprites) {
        SCOPED_TRACE(asset.file);
        const vl::Sprite* sprite = loadFromRunFolder(asset.file);
        ASSERT_NE(sprite, nullptr);
        EXPECT_NE(sprite->getColor(), vl::Black);
        for (int i = 0; i < sprite->getFrameCount(); ++i) {
            EXPECT_FALSE(isBlank(sprite->getFrame(i).getCells())) << "frame " << i;
        }
        if (asset.collides) {
            EXPECT_EQ(sprite->getWidth() / 2, sprite->getHeight() / 2);
        }
        if (asset.animated) {
            EXPECT_GE(sprite->getFrameCount(), 2);
            EXPECT_GE(sprite->getSlowdown(), 2) << "a new picture every frame flickers";
        }
    }
}

TEST(SpriteAssets, FightersAreSmallAndTurretsTellApart) {
    for (const char* file : {"player-spr.txt", "zombie-spr.txt"}) {
        const vl::Sprite* sprite = loadFromRunFolder(file);
        ASSERT_NE(sprite, nullptr) << file;
        EXPECT_LE(sprite->getWidth(), 3) << file;
        EXPECT_LE(sprite->getHeight(), 3) << file;
    }
    const vl::Sprite* sniper = loadFromRunFolder("sniperturret-spr.txt");
    const vl::Sprite* three = loadFromRunFolder("threeturret-spr.txt");
    const vl::Sprite* machine = loadFromRunFolder("machineturret-spr.txt");
    ASSERT_TRUE(sniper && three && machine);
    EXPECT_NE(sniper->getColor(), three->getColor());
    EXPECT_NE(sniper->getColor(), machine->getColor());
    EXPECT_NE(three->getColor(), machine->getColor());
    EXPECT_NE(sniper->getFrame(0).getCells(), three->getFrame(0).getCells());
    EXPECT_NE(sniper->getFrame(0).getCells(), machine->getFrame(0).getCells());
    EXPECT_NE(three->getFrame(0).getCells(), machine->getFrame(0).getCells());
}

class ScreenAssets : public GameFixture {};

// The screens as the game makes them: each must be drawn wholly on the
// 82 x 24 grid, leave the top row to the time and score displays, and name
// the keys that leave it.
TEST_F(ScreenAssets, ScreensLieOnTheGridAndNameTheirKeys) {
    const vl::Object* screens[] = {new GameStart, new GameOver, new GameWin};
    for (const vl::Object* screen : screens) {
        SCOPED_TRACE(screen->getType());
        const vl::Sprite* sprite = screen->getAnimation().sprite;
        ASSERT_NE(sprite, nullptr);
        const int offset = sprite->getWidth() / 2;
        const int left = static_cast<int>(screen->getPosition().x) - offset;
        const int top = static_cast<int>(screen->getPosition().y) - offset;
        EXPECT_GE(left, 0);
        EXPECT_GE(top, 0);
        EXPECT_LE(left + sprite->getWidth() - 1, vl::kWindowHorizontalCells - 1);
        EXPECT_LE(top + sprite->getHeight() - 1, vl::kWindowVerticalCells - 1);
        const std::string cells = allCells(*sprite);
        EXPECT_NE(cells.find("P "), std::string::npos);
        EXPECT_NE(cells.find("Esc"), std::string::npos);
        if (top == 0) {
            for (int i = 0; i < sprite->getFrameCount(); ++i) {
                EXPECT_TRUE(isBlank(sprite->getFrame(i).getCells().substr(
                    0, static_cast<size_t>(sprite->getWidth()))))
                    << "frame " << i;
            }
        }
    }
}

}  // namespace
