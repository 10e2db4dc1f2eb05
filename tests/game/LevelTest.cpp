#include <gtest/gtest.h>

#include "support/GameFixture.h"

using vl::Vector;

class LevelTest : public GameFixture {
  protected:
    // Player bullets placed one step short of every enemy, so that all are hit
    // in the movement pass of the next frame.
    void shootEveryEnemy() {
        for (const char* type : {"Zombie", "Turret"}) {
            const vl::ObjectList enemies = vl::WorldManager::getInstance().collectByType(type);
            for (int i = 0; i < enemies.count(); ++i) {
                auto* bullet = new Bullet(Vector(0, 0), "bullet", "Player");
                bullet->setPosition(enemies[i]->getPosition() - Vector(1, 0));
                bullet->setVelocity(Vector(1, 0));
            }
        }
    }
};

TEST_F(LevelTest, EveryLayoutHasItsEnemies) {
    struct Expected {
        int zombies;
        std::vector<std::pair<const char*, Vector>> turrets;  // sprite label, position
    };
    const Expected expected[kLastLevel] = {
        {2, {}},
        {6, {}},
        {0, {{"sniper", {70, 12}}}},
        {3, {{"sniper", {70, 12}}}},
        {0, {{"three", {70, 12}}}},
        {3, {{"three", {70, 6}}, {"sniper", {70, 18}}}},
        {0, {{"machine", {70, 12}}}},
        {3, {{"machine", {70, 12}}}},
        {4, {{"machine", {70, 12}}}},
        {2, {{"machine", {70, 6}}, {"sniper", {70, 18}}}},
    };
    for (int number = 1; number <= kLastLevel; ++number) {
        vl::WorldManager::getInstance().shutDown();
        vl::WorldManager::getInstance().startUp();
        new Level(number);
        const Expected& e = expected[number - 1];
        EXPECT_EQ(countOfType("Zombie"), e.zombies) << "level " << number;
        const vl::ObjectList turrets = vl::WorldManager::getInstance().collectByType("Turret");
        ASSERT_EQ(turrets.count(), static_cast<int>(e.turrets.size())) << "level " << number;
        for (int i = 0; i < turrets.count(); ++i) {
            const auto& [label, position] = e.turrets[static_cast<size_t>(i)];
            EXPECT_EQ(turrets[i]->getPosition(), position) << "level " << number;
            EXPECT_EQ(turrets[i]->getAnimation().sprite,
                      vl::ResourceManager::getInstance().getSprite(label));
        }
    }
}

TEST_F(LevelTest, ALevelEndsTwoFramesAfterItsLastEnemyIsHit) {
    new Level(1);
    auto* old_player = firstOfType<Player>("Player");
    auto* turret_bullet = new Bullet(Vector(0, 0), "enemybullet", "Turret");
    turret_bullet->setPosition(Vector(30, 20));
    shootEveryEnemy();
    stepFrame();  // the hits, in the movement pass
    EXPECT_EQ(countOfType("Zombie"), 2);
    stepFrame();  // the enemies are deleted; the level goes on for this step
    EXPECT_EQ(countOfType("Zombie"), 0);
    EXPECT_EQ(firstOfType<Level>("Level")->getLevelNumber(), 1);
    EXPECT_EQ(firstOfType<Player>("Player"), old_player);
    stepFrame();  // the level ends: everything of it goes, level 2 comes
    ASSERT_EQ(countOfType("Level"), 1);
    EXPECT_EQ(firstOfType<Level>("Level")->getLevelNumber(), 2);
    EXPECT_EQ(countOfType("Player"), 1);
    EXPECT_NE(firstOfType<Player>("Player"), old_player);
    EXPECT_EQ(countOfType("Reticle"), 1);
    EXPECT_EQ(countOfType("Bullet"), 0);
    EXPECT_EQ(countOfType("Zombie"), 6);
    EXPECT_EQ(countOfType("GameOver"), 0);
}

TEST_F(LevelTest, OnlyTurretsAndZombiesKeepALevelGoing) {
    new Level(3);
    new Bullet(Vector(10, 10), "bullet", "Player");
    stepFrames(5);
    EXPECT_EQ(firstOfType<Level>("Level")->getLevelNumber(), 3);
    vl::WorldManager::getInstance().queueForDeletion(firstOfType<Turret>("Turret"));
    stepFrames(2);
    EXPECT_EQ(firstOfType<Level>("Level")->getLevelNumber(), 4);
}
