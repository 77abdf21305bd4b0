#include <gtest/gtest.h>

#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "model/Value.h"

using namespace php;

namespace {

Value objectOf(Klasa& k) {
    Value v;
    v.resetToType(&k);
    return v;
}

ObjectData* object(const Value& v) { return static_cast<ObjectData*>(v.data); }

}  // namespace

TEST(Klasa, NewClassDefaults) {
    Klasa k("a.php", 7, "Foo");
    EXPECT_EQ(k.typeName, "Foo");
    EXPECT_EQ(k.name(), "Foo");
    EXPECT_EQ(k.fileName, "a.php");
    EXPECT_EQ(k.line, 7);
    EXPECT_EQ(k.parent, nullptr);
    ASSERT_NE(k.members, nullptr);
    EXPECT_TRUE(k.members->variables.empty() && k.members->functions.empty());
    EXPECT_TRUE(k.interfaces.empty());
    EXPECT_TRUE(k.defined);
    EXPECT_FALSE(k.isInterface || k.isAbstract || k.isFinal || k.hasPropertyHandlers ||
                 k.hasCallHandler || k.resolved || k.heritageChecked);
    EXPECT_TRUE(k.isObject());
    EXPECT_FALSE(k.isNumeric() || k.isArray());
}

TEST(Klasa, ObjectsHoldParentPartAndOneBlankPerProperty) {
    Klasa base("a.php", 1, "Base"), derived("a.php", 5, "Derived");
    Value bp, dp1, dp2;
    base.members->addVariable("b", &bp);
    derived.members->addVariable("x", &dp1);
    derived.members->addVariable("y", &dp2);
    derived.parent = &base;

    Value obj = objectOf(derived);
    ObjectData* o = object(obj);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->klasa, &derived);
    ASSERT_EQ(o->properties.size(), 2u);
    EXPECT_FALSE(o->properties.at("x").initialised);
    EXPECT_EQ(o->properties.at("x").type, nullptr);
    ASSERT_NE(o->parentPart, nullptr);
    EXPECT_EQ(o->parentPart->klasa, &base);
    EXPECT_EQ(o->parentPart->properties.count("b"), 1u);
    EXPECT_EQ(o->parentPart->parentPart, nullptr);

    // Copies are deep; assignment overwrites in place.
    Value copy = obj;
    object(copy)->properties.at("x").setInteger(1);
    object(copy)->parentPart->properties.at("b").setInteger(2);
    EXPECT_FALSE(object(obj)->properties.at("x").initialised);
    EXPECT_FALSE(object(obj)->parentPart->properties.at("b").initialised);

    void* storage = obj.data;
    derived.assignData(obj.data, copy.data);
    EXPECT_EQ(obj.data, storage);
    EXPECT_EQ(object(obj)->properties.at("x").asInteger(), 1);
    EXPECT_EQ(object(obj)->parentPart->properties.at("b").asInteger(), 2);
    derived.assignData(obj.data, obj.data);
    EXPECT_EQ(object(obj)->properties.at("x").asInteger(), 1);
}

TEST(Klasa, ConversionToAClassKeepsNoObject) {
    Klasa k("a.php", 1, "K");
    Value v;
    v.setInteger(3);
    v.convertTo(&k);
    EXPECT_EQ(v.type, &k);
    EXPECT_EQ(v.data, nullptr);
    EXPECT_EQ(v.asString(), "");  // no storage reads as the default
    EXPECT_EQ(objectOf(k).asString(), "Object");
    EXPECT_TRUE(objectOf(k).asBoolean());
}

TEST(Klasa, ConformsToSelfDirectInterfacesAndParentChain) {
    Klasa j("a.php", 1, "J"), i("a.php", 2, "I"), p("a.php", 3, "P"), c("a.php", 4, "C"),
        other("a.php", 5, "O");
    j.isInterface = i.isInterface = true;
    i.interfaces.push_back(&j);  // I extends J
    p.interfaces.push_back(&i);
    c.parent = &p;
    EXPECT_TRUE(c.conformsTo(&c));
    EXPECT_TRUE(c.conformsTo(&p));
    EXPECT_TRUE(c.conformsTo(&i));   // through the parent's list
    EXPECT_FALSE(c.conformsTo(&j));  // an interface's own parents are not followed
    EXPECT_FALSE(c.conformsTo(&other));
    EXPECT_FALSE(p.conformsTo(&c));
    EXPECT_FALSE(c.conformsTo(integerType()));
    EXPECT_FALSE(integerType()->conformsTo(&c));
}

TEST(Klasa, CyclicParentsTerminate) {
    Klasa a("a.php", 1, "A"), b("a.php", 2, "B"), x("a.php", 3, "X");
    Value pa, pb;
    a.members->addVariable("pa", &pa);
    b.members->addVariable("pb", &pb);
    a.parent = &b;
    b.parent = &a;
    EXPECT_FALSE(a.conformsTo(&x));
    EXPECT_TRUE(a.conformsTo(&b));
    Value obj = objectOf(a);
    ASSERT_NE(object(obj)->parentPart, nullptr);
    EXPECT_EQ(object(obj)->parentPart->klasa, &b);
    EXPECT_EQ(object(obj)->parentPart->parentPart, nullptr);
}

TEST(Klasa, ObjectComparisons) {
    Klasa k("a.php", 1, "K"), l("a.php", 2, "L");
    Value a = objectOf(k), b = objectOf(k), c = objectOf(l);
    Value sameClass = a.equal(b);
    EXPECT_FALSE(sameClass.initialised);
    EXPECT_EQ(sameClass.type, nullptr);
    EXPECT_FALSE(a.equal(c).asBoolean());
    EXPECT_TRUE(a.notEqual(c).asBoolean());
    EXPECT_FALSE(a.less(c).asBoolean());
    EXPECT_TRUE(a.identical(a).asBoolean());
    EXPECT_FALSE(a.identical(b).asBoolean());
    EXPECT_TRUE(a.notIdentical(b).asBoolean());
    EXPECT_FALSE(a.identical(c).asBoolean());
    Value one;
    one.setInteger(1);
    EXPECT_TRUE(a.greater(one).asBoolean());  // object on the left
}
