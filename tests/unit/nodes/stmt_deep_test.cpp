// Deep and long statement trees go through every walk (link, flow, check,
// lookups, teardown) without exhausting the stack or taking quadratic time.
// The passes recurse once per level, so these run on a thread with a large
// stack, as the checker itself does.
#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>

#include "model/SymbolTable.h"
#include "nodes/Else.h"
#include "nodes/ElseIf.h"
#include "nodes/IfKomanda.h"
#include "stmt_support.h"

using namespace php;
using namespace stmttest;

namespace {

void onBigStack(const std::function<void()>& body) {
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 512u << 20);
    pthread_t thread;
    auto run = [](void* arg) -> void* {
        (*static_cast<const std::function<void()>*>(arg))();
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, run, const_cast<std::function<void()>*>(&body)), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
}

NameRecord var(const std::string& name) { return NameRecord(globalBuiltinScope(), name, "t.php", 1, 0); }

// A read of one name, looked up where it is folded.
class Read : public Probe {
public:
    std::string name;
    explicit Read(std::string n) : name(std::move(n)) {}
    void check() override { addPendingUse(var(name)); }
};

// A binary operator: both operands checked and absorbed in turn.
class Pair : public ParserBase {
public:
    ParserBase* left;
    ParserBase* right;
    Pair(ParserBase* l, ParserBase* r) : left(l), right(r) {}
    ~Pair() override {
        delete left;
        delete right;
    }
    void link() override {
        linkChild(left);
        linkChild(right);
    }
    void check() override {
        checkAndAbsorb(left);
        checkAndAbsorb(right);
    }
    Value evaluate() override { return Value(); }
    void computeFlow() override { combineFlow(left, right); }
    void collectChildren(std::vector<ParserBase*>& out) override {
        out.push_back(left);
        out.push_back(right);
    }
};

// Defines a name when checked.
class Define : public Probe {
public:
    void check() override { addDefinition(var("a")); }
};

}  // namespace

TEST(StmtDeep, FiveThousandNestedIfs) {
    onBigStack([] {
        const int depth = 5000;
        ParserBase* inner = statements({new Read("a")});
        for (int i = 0; i < depth; ++i)
            inner = statements({new IfKomanda("if", at(i), new Read("c"), inner,
                                              new Else("else", at(i), statements({new Define()})))});
        auto* root = statements({new Define(), inner});
        analyse(root);
        root->check();
        EXPECT_TRUE(root->usedNames() && root->usedNames()->count(var("c")));
        EXPECT_EQ(leafOwners(root->flow).size(), size_t(depth + 1));
        delete root;
    });
}

TEST(StmtDeep, LongElseIfChain) {
    onBigStack([] {
        const int length = 5000;
        ParserBase* rest = new Else("else", at(length), new Define());
        for (int i = length - 1; i > 0; --i)
            rest = new ElseIf("elseif", at(i), new Read("c" + std::to_string(i)), new Define(), rest);
        IfKomanda node("if", at(0), new Read("c"), new Define(), rest);
        analyse(&node);
        node.check();
        ASSERT_NE(node.usedNames(), nullptr);
        EXPECT_EQ(node.usedNames()->size(), size_t(length));
        EXPECT_TRUE(node.definitions() && node.definitions()->count(var("a")));
    });
}

// Every operand is a read resolved at its operator, below 200,000 operators
// still being checked; the definition is at the top.
TEST(StmtDeep, ReadsDeepInALongChainFindTheirDefinition) {
    onBigStack([] {
        const int length = 200000;
        ParserBase* chain = new Read("a");
        for (int i = 0; i < length; ++i) chain = new Pair(chain, new Read("a"));
        auto* root = statements({new Define(), chain});
        analyse(root);
        root->check();
        ASSERT_NE(root->usedNames(), nullptr);
        EXPECT_EQ(root->usedNames()->size(), 1u);
        delete root;
    });
}

TEST(StmtDeep, HundredThousandStatements) {
    const int length = 100000;
    ListaNaredbi* list = nullptr;
    for (int i = 0; i < length; ++i) list = new ListaNaredbi(list, new Read("a"));
    analyse(list);
    list->check();
    EXPECT_EQ(list->items.size(), size_t(length));
    EXPECT_EQ(leafOwners(list->flow).size(), 1u);
    delete list;
}
