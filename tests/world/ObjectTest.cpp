#include <gtest/gtest.h>

#include "support/DisplaySprites.h"
#include "support/WorldFixture.h"

using vl::Box;
using vl::Vector;

class ObjectTest : public WorldFixture {};

TEST_F(ObjectTest, IdsCountUpAcrossClassesAndAreNeverReused) {
    auto* first = new vl::Object;
    const int first_id = first->getId();
    auto* second = new vl::Object;
    vl::WorldManager::getInstance().queueForDeletion(first);
    stepFrame();
    auto* third = new vl::ViewObject;
    EXPECT_EQ(second->getId(), first_id + 1);
    EXPECT_EQ(third->getId(), second->getId() + 1);
}

TEST_F(ObjectTest, VelocityAndSprites) {
    auto* object = new vl::Object;
    object->setVelocity(Vector(3, 4));
    EXPECT_FLOAT_EQ(object->getSpeed(), 5);
    EXPECT_FLOAT_EQ(object->getDirection().x, 0.6f);
    EXPECT_FLOAT_EQ(object->getDirection().y, 0.8f);
    object->setVelocity(Vector(0, 0));
    EXPECT_EQ(object->getSpeed(), 0);
    EXPECT_EQ(object->getDirection(), Vector(0, 0));

    EXPECT_EQ(vl::ResourceManager::getInstance().registerSprite(nullptr), -1);
    registerTestSprite("five-by-three", 5, 3, vl::White, 1, {std::string(15, '#')});
    EXPECT_EQ(object->setSprite("no such sprite"), -1);
    EXPECT_EQ(object->getAnimation().sprite, nullptr);
    ASSERT_EQ(object->setSprite("five-by-three"), 0);
    object->setPosition(Vector(10, 10));
    const Box box = object->translatedBox();
    EXPECT_EQ(box.corner, Vector(8, 9));
    EXPECT_EQ(box.horizontal, 5);
    EXPECT_EQ(box.vertical, 3);
    EXPECT_EQ(object->setSprite("Five-By-Three"), -1);
    EXPECT_NE(object->getAnimation().sprite, nullptr);
}

TEST_F(ObjectTest, BaseHandlesEngineEventsButNotViews) {
    vl::Object object;
    const vl::EventStep step;
    const vl::EventOut out;
    const vl::EventView view("x", 1);
    EXPECT_EQ(object.handleEvent(&step), 1);
    EXPECT_EQ(object.handleEvent(&out), 1);
    EXPECT_EQ(object.handleEvent(&view), 0);
    vl::Event almost_step;
    almost_step.setType("vl::Step");
    EXPECT_EQ(object.handleEvent(&almost_step), 0);
    EXPECT_EQ(vl::Event().getType(), "vl::undefined");
    EXPECT_TRUE(view.getAdditive());
}
