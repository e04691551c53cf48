// Component ownership, csDesigning inheritance and TPersistent::Assign.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Controls.h"
#include "platform/Errors.h"

namespace pelk {
namespace {

TEST(ComponentOwnership, OwnerListsItsComponentsUntilEitherSideIsDestroyed) {
  TComponent owner(nullptr);
  auto first = std::make_unique<TComponent>(&owner);
  auto second = std::make_unique<TComponent>(&owner);
  ASSERT_EQ(owner.Components().size(), 2u);
  EXPECT_EQ(owner.Components()[0], first.get());
  EXPECT_EQ(first->Owner(), &owner);

  // The component leaves first: the owner's list shrinks.
  first.reset();
  ASSERT_EQ(owner.Components().size(), 1u);
  EXPECT_EQ(owner.Components()[0], second.get());

  // The owner leaves first: the component survives without an owner.
  auto inner = std::make_unique<TComponent>(nullptr);
  auto child = std::make_unique<TComponent>(inner.get());
  inner.reset();
  EXPECT_EQ(child->Owner(), nullptr);
  child.reset();  // must not touch the destroyed owner
}

TEST(ComponentOwnership, DesigningFlagFollowsTheOwnershipTree) {
  TComponent root(nullptr);
  TComponent before(&root);  // exists before the flag is set
  root.SetDesigning(true);
  TComponent after(&root);       // inherits at creation
  TComponent grandchild(&after);  // inherits through its owner

  struct Case {
    const char* name;
    const TComponent& component;
    bool designing;
  };
  const Case designed[] = {{"root", root, true},
                           {"before", before, true},
                           {"after", after, true},
                           {"grandchild", grandchild, true}};
  for (const Case& c : designed)
    EXPECT_EQ(c.component.ComponentState().Contains(csDesigning), c.designing) << c.name;

  root.SetDesigning(false);
  for (const Case& c : designed)
    EXPECT_FALSE(c.component.ComponentState().Contains(csDesigning)) << c.name;

  TComponent unowned(nullptr);
  EXPECT_FALSE(unowned.ComponentState().Contains(csDesigning));
}

TEST(PersistentAssign, UnassignableSourceNamesBothClasses) {
  TComponent component(nullptr);
  TControl control(nullptr);
  struct Case {
    TPersistent& dest;
    const TPersistent& source;
    std::string message;
  };
  const Case cases[] = {
      {component, control, "Cannot assign a TControl to a TComponent"},
      {control, component, "Cannot assign a TComponent to a TControl"},
      {component, component, "Cannot assign a TComponent to a TComponent"},
  };
  for (const Case& c : cases) {
    try {
      c.dest.Assign(c.source);
      ADD_FAILURE() << "no exception for: " << c.message;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
}

}  // namespace
}  // namespace pelk
