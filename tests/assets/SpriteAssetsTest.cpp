#include <gtest/gtest.h>

#include <string>

#include <vl/vl.h>

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

TEST(SpriteAssets, EveryFileLoadsWholeAndVisible) {
    for (const SpriteAsset& asset : kSprites) {
        SCOPED_TRACE(asset.file);
        const vl::Sprite* sprite = loadFromRunFolder(asset.file);
        ASSERT_NE(sprite, nullptr);
        EXPECT_NE(sprite->getColor(), vl::Black);
        for (int i = 0; i < sprite->getFrameCount(); ++i) {
            EXPECT_NE(sprite->getFrame(i).getCells().find_first_not_of(' '), std::string::npos)
                << "frame " << i << " is blank";
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
    for (const auto& [a, b] : {std::pair(sniper, three), {sniper, machine}, {three, machine}}) {
        EXPECT_NE(a->getColor(), b->getColor()) << a->getLabel() << " and " << b->getLabel();
        EXPECT_NE(a->getFrame(0).getCells(), b->getFrame(0).getCells()) << a->getLabel();
    }
}

}  // namespace
