#include <gtest/gtest.h>

#include <map>

#include "support/GameFixture.h"

using vl::Vector;

class EnemyTest : public GameFixture {
  protected:
    Player* player = nullptr;
    Score* score = nullptr;

    void SetUp() override {
        GameFixture::SetUp();
        score = new Score;
        player = new Player;
        // Turret bullets fly through the player here, so nothing ends the game.
        player->setSolidness(vl::Solidness::Intangible);
    }

    // The steps (counted from 1) on which a new turret bullet appeared.
    std::vector<int> shotSteps(int steps) {
        std::vector<int> shots;
        for (int step = 1; step <= steps; ++step) {
            const int before = countOfType("Bullet");
            stepFrame();
            if (countOfType("Bullet") > before) {
                shots.push_back(step);
            }
        }
        return shots;
    }

    Bullet* newestBullet() { return lastOfType<Bullet>("Bullet"); }
};

TEST_F(EnemyTest, ZombiesStepOneCellTowardThePlayerEveryFifthStep) {
    auto* zombie = new Zombie(Vector(70, 3));
    stepFrames(4);
    EXPECT_EQ(zombie->getPosition(), Vector(70, 3));
    stepFrame();
    EXPECT_NEAR(zombie->getPosition().x, 69.0095f, 1e-4);
    EXPECT_NEAR(zombie->getPosition().y, 3.1372f, 1e-4);
    stepFrames(5);
    EXPECT_NEAR(zombie->getPosition().x, 68.019f, 1e-3);

    // Half a cell away it steps a whole cell, past the player; on it, it stays.
    auto* close = new Zombie(player->getPosition() + Vector(0.5f, 0));
    auto* on = new Zombie(player->getPosition());
    stepFrames(5);
    EXPECT_EQ(close->getPosition(), player->getPosition() - Vector(0.5f, 0));
    EXPECT_EQ(on->getPosition(), player->getPosition());
}

TEST_F(EnemyTest, WithoutAPlayerZombiesWaitAndTurretsHoldFire) {
    player->setLevelComplete(true);
    vl::WorldManager::getInstance().queueForDeletion(player);
    auto* zombie = new Zombie(Vector(40, 10));
    new Turret(Vector(70, 12), TurretKind::Machine, "machine");
    EXPECT_TRUE(shotSteps(40).empty());
    EXPECT_EQ(zombie->getPosition(), Vector(40, 10));
}

TEST_F(EnemyTest, OnlyThePlayersBulletsKillAndScore) {
    auto* zombie = new Zombie(Vector(40, 10));
    new Turret(Vector(60, 10), TurretKind::Sniper, "sniper");
    for (const Vector& target : {Vector(39, 10), Vector(59, 10)}) {
        auto* stray = new Bullet(Vector(0, 0), "enemybullet", "Turret");
        stray->setPosition(target);
        stray->setVelocity(Vector(1, 0));
    }
    stepFrames(3);
    EXPECT_EQ(countOfType("Zombie"), 1);
    EXPECT_EQ(countOfType("Turret"), 1);

    const int strays = countOfType("Bullet");
    auto* shot = new Bullet(Vector(0, 0), "bullet", "Player");
    shot->setPosition(zombie->getPosition() - Vector(3, 0));
    shot->setVelocity(Vector(2, 0));
    stepFrames(3);
    EXPECT_EQ(countOfType("Zombie"), 0);
    EXPECT_EQ(countOfType("Bullet"), strays) << "the shot flies on past the zombie it destroyed";
    EXPECT_EQ(score->getValue(), 15000);

    shot = new Bullet(Vector(0, 0), "bullet", "Player");
    shot->setPosition(Vector(55, 10));
    shot->setVelocity(Vector(2, 0));
    stepFrames(4);
    EXPECT_EQ(countOfType("Turret"), 0);
    EXPECT_EQ(score->getValue(), 115000);
}

TEST_F(EnemyTest, EachTurretKindKeepsItsRhythm) {
    struct Case {
        TurretKind kind;
        const char* label;
        std::vector<int> shots;
        float speed;
    };
    const Case cases[] = {
        {TurretKind::Three, "three", {37, 42, 47, 85, 90, 95, 133, 138, 143}, 1.0f},
        {TurretKind::Machine,
         "machine",
         {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140},
         1.0f},
        {TurretKind::Sniper, "sniper", {66, 133}, 2.5f},
    };
    for (const Case& c : cases) {
        auto* turret = new Turret(Vector(70, 12), c.kind, c.label);
        EXPECT_EQ(shotSteps(145), c.shots) << c.label;
        EXPECT_FLOAT_EQ(newestBullet()->getSpeed(), c.speed) << c.label;
        EXPECT_EQ(newestBullet()->getOwner(), "Turret");
        vl::WorldManager::getInstance().queueForDeletion(turret);
        stepFrames(150);  // the last bullets leave the world
        EXPECT_EQ(countOfType("Bullet"), 0) << c.label;
    }
}

// The player stands at (5, 12): a turret on its row and one above it.
TEST_F(EnemyTest, TurretsAimTwoAndAHalfCellsLeftOfThePlayer) {
    for (const Vector& at : {Vector(70, 12), Vector(70, 3)}) {
        SCOPED_TRACE(at.y);
        auto* turret = new Turret(at, TurretKind::Sniper, "sniper");
        stepFrames(66);
        Bullet* bullet = newestBullet();
        ASSERT_NE(bullet, nullptr);
        Vector aim = player->getPosition() - Vector(2.5f, 0) - at;
        aim.normalize();
        EXPECT_NEAR(bullet->getDirection().x, aim.x, 1e-6);
        EXPECT_NEAR(bullet->getDirection().y, aim.y, 1e-6);
        EXPECT_EQ(bullet->getSpeed(), 2.5f);
        // Made half a cell down and right of the turret, and moved once in the
        // frame it was fired.
        EXPECT_NEAR(bullet->getPosition().x, at.x + 0.5f + 2.5f * aim.x, 1e-4);
        EXPECT_NEAR(bullet->getPosition().y, at.y + 0.5f + 2.5f * aim.y, 1e-4);
        vl::WorldManager::getInstance().queueForDeletion(turret);
    }
}
