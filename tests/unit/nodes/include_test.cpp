// Include nodes against a stand-in host: which files are read in which pass,
// which reports stand, and where autoloaded statements end up.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "diagnostics/DvostrukiInclude.h"
#include "diagnostics/FensiPutanjaZaInclude.h"
#include "diagnostics/Greska.h"
#include "diagnostics/NepostojeciFajlKrozIncludePath.h"
#include "model/Funkcija.h"
#include "nodes/Include.h"
#include "nodes/IncludeOnce.h"
#include "nodes/Require.h"
#include "nodes/RequireOnce.h"
#include "stmt_support.h"
#include "tree/IncludeHost.h"
#include "tree/Start.h"

namespace {

using php::ListaNaredbi;
using php::ParserBase;
using php::Start;
using php::Value;
using stmttest::at;

// A statement that counts its passes and can run a hook when checked (a
// class-name node calling the autoload function, say).
class Counted : public ParserBase {
public:
    int links = 0;
    int checks = 0;
    std::function<void()> onCheck;

    explicit Counted(int line = 1) : ParserBase(at(line)) {}
    void link() override { ++links; }
    void check() override {
        ++checks;
        if (onCheck) onCheck();
    }
    Value evaluate() override { return Value(); }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}
};

// A path whose static value the test sets between the passes (a constant
// that only the second pass knows, a parameter bound per autoload call).
class PathProbe : public ParserBase {
public:
    std::shared_ptr<Value> value = std::make_shared<Value>();

    void link() override {}
    void check() override {}
    Value evaluate() override { return *value; }
    Value staticValue() override { return *value; }
    void computeFlow() override { seedFlow(); }
    void collectChildren(std::vector<ParserBase*>&) override {}

    void set(const std::string& text) {
        *value = Value();
        value->setString(text);
    }
    void unknown() { *value = Value(); }
};

// Files of the stand-in file system: full path -> line of its one statement.
std::map<std::string, int>& files() {
    static std::map<std::string, int> f;
    return f;
}
std::vector<std::string>& parsed() {
    static std::vector<std::string> p;
    return p;
}
std::map<std::string, Counted*>& statementOf() {
    static std::map<std::string, Counted*> s;
    return s;
}

bool fakeFullPath(const std::string& path, std::string& out) {
    out = path[0] == '/' ? path : "/work/" + path;
    return true;
}
std::FILE* fakeOpen(const std::string& full) { return files().count(full) ? std::tmpfile() : nullptr; }
void fakeParse(std::FILE*, const std::string& full) {
    parsed().push_back(full);
    auto* statement = new Counted(files()[full]);
    statementOf()[full] = statement;
    new Start(stmttest::statements({statement}));
}

class IncludeTest : public ::testing::Test {
protected:
    php::IncludeHost savedHost;
    std::vector<ParserBase*> savedRoots;
    Start* user = nullptr;

    void SetUp() override {
        savedHost = php::includeHost();
        php::includeHost() = {fakeFullPath, fakeOpen, fakeParse};
        savedRoots.swap(php::roots());
        files() = {{"/lib/a.php", 3}, {"/lib/b.php", 4}};
        parsed().clear();
        statementOf().clear();
        clearSemantic();
        php::runState()->definitionsMode = false;
        php::runState()->includeDirectories = {"/lib"};
    }
    void TearDown() override {
        while (!php::roots().empty()) php::releaseCurrentRoot();
        php::roots().swap(savedRoots);
        php::includeHost() = savedHost;
        php::runState()->includeDirectories.clear();
        php::runState()->definitionsMode = true;
        clearSemantic();
    }
    static void clearSemantic() {
        for (php::Greska* g : php::semanticList()) delete g;
        php::semanticList().clear();
    }
    template <class D>
    static int countOf() {
        return static_cast<int>(std::count_if(php::semanticList().begin(), php::semanticList().end(),
                                              [](php::Greska* g) { return dynamic_cast<D*>(g) != nullptr; }));
    }
    // The user's file: element 0 of the roots, entered as read by itself.
    ListaNaredbi* userFile(std::initializer_list<ParserBase*> items) {
        user = new Start(stmttest::statements(items));
        user->fileName = "/work/main.php";
        user->enterIncluded("/work/main.php", user);
        return static_cast<ListaNaredbi*>(user->statements);
    }
};

PathProbe* pathTo(const std::string& text) {
    auto* p = new PathProbe();
    p->set(text);
    return p;
}

TEST_F(IncludeTest, AFileReadInTheFirstPassIsGraftedAndNeverReadAgain) {
    auto* first = new php::Require("require", at(2), pathTo("/lib/a.php"));
    auto* again = new php::Require("require", at(3), pathTo("a.php"));  // found through /lib
    auto* once = new php::IncludeOnce("include_once", at(4), pathTo("/lib/a.php"));
    userFile({first, again, once});
    user->link();
    ASSERT_EQ(parsed(), std::vector<std::string>{"/lib/a.php"});
    EXPECT_EQ(std::vector<ParserBase*>{user}, php::roots());  // the included root was taken out
    ASSERT_NE(nullptr, first->included);
    EXPECT_EQ(first, first->included->parent);
    EXPECT_EQ("/lib/a.php", first->included->fileName.str());
    EXPECT_EQ("/lib/a.php", statementOf()["/lib/a.php"]->fileName.str());
    EXPECT_EQ(nullptr, again->included);
    EXPECT_EQ(nullptr, once->included);
    EXPECT_EQ(first, user->includedBy("/lib/a.php"));

    user->check();
    EXPECT_EQ(1u, parsed().size());
    EXPECT_EQ(1, statementOf()["/lib/a.php"]->checks);
    // Only the second require reports: the once form is silent, and the first
    // does not meet its own entry in the second pass.
    ASSERT_EQ(1, countOf<php::greske::DvostrukiInclude>());
    auto* repeat = static_cast<php::greske::DvostrukiInclude*>(php::semanticList().front());
    EXPECT_EQ(3, repeat->line);
    EXPECT_EQ("/lib/a.php", repeat->path);
    EXPECT_EQ(2, repeat->prevLine);
}

TEST_F(IncludeTest, AFirstPassReportIsWithdrawnWhenTheSecondPassWorksThePathOut) {
    auto* late = new PathProbe();  // a constant defined by a call the second pass evaluates
    auto* include = new php::Include("include", at(2), late);
    auto* missing = new PathProbe();
    auto* stillMissing = new php::Include("include", at(3), missing);
    auto* neverKnown = new php::Include("include", at(4), new PathProbe());
    userFile({include, stillMissing, neverKnown});
    missing->set("gone.php");
    user->link();
    EXPECT_EQ(2, countOf<php::greske::FensiPutanjaZaInclude>());
    EXPECT_EQ(1, countOf<php::greske::NepostojeciFajlKrozIncludePath>());

    late->set("b.php");
    missing->set("gone.php");
    user->check();
    EXPECT_EQ(parsed(), std::vector<std::string>{"/lib/b.php"});
    ASSERT_NE(nullptr, include->included);
    EXPECT_EQ(1, statementOf()["/lib/b.php"]->links);
    EXPECT_EQ(1, statementOf()["/lib/b.php"]->checks);
    // The path never worked out keeps its reports; the one not found is
    // reported once, by the second pass.
    EXPECT_EQ(2, countOf<php::greske::FensiPutanjaZaInclude>());
    for (php::Greska* g : php::semanticList())
        if (dynamic_cast<php::greske::FensiPutanjaZaInclude*>(g)) {
            EXPECT_EQ(4, g->line);
        }
    EXPECT_EQ(1, countOf<php::greske::NepostojeciFajlKrozIncludePath>());
    EXPECT_EQ(3u, php::semanticList().size());
}

TEST_F(IncludeTest, AnAutoloadBodyIncludesOnlyWhenCheckedAndAppendsToTheUserFile) {
    auto* path = new PathProbe();
    auto* include = new php::RequireOnce("require_once", at(4), path);
    // Only the simulated calls check the body, never the list around it.
    auto body = std::make_unique<stmttest::Body>(include);
    php::Funkcija autoload("__AutoLoad", "/work/main.php", 2);
    body->function = &autoload;
    auto* user1 = new Counted(8);  // `new A` reaches the autoload function
    auto* user2 = new Counted(9);  // and so does `new B`
    ListaNaredbi* list = userFile({user1, user2});
    user1->onCheck = [&] {
        path->set("a.php");
        body->check();
    };
    user2->onCheck = [&] {
        path->set("b.php");
        body->check();
        path->set("a.php");  // a repeat: once, so silent
        body->check();
    };

    user->link();
    body->link();
    EXPECT_TRUE(parsed().empty());
    EXPECT_TRUE(php::semanticList().empty());

    user->check();
    EXPECT_EQ(parsed(), (std::vector<std::string>{"/lib/a.php", "/lib/b.php"}));
    EXPECT_EQ(nullptr, include->included);
    ASSERT_EQ(4u, list->items.size());
    for (const char* file : {"/lib/a.php", "/lib/b.php"}) {
        SCOPED_TRACE(file);
        Counted* statement = statementOf()[file];
        ParserBase* appended = statement->parent;
        ASSERT_NE(nullptr, appended);
        EXPECT_EQ(list, appended->parent);
        EXPECT_EQ(file, appended->fileName.str());
        EXPECT_EQ(file, statement->fileName.str());
        EXPECT_EQ(user->scope, appended->enclosingScope());
        // Linked once as file-level code, and checked by the user file's own
        // list, which goes on over what was appended while it ran.
        EXPECT_EQ(1, statement->links);
        EXPECT_EQ(1, statement->checks);
    }
    EXPECT_EQ(list->items[2], statementOf()["/lib/a.php"]->parent);
    EXPECT_EQ(list->items[3], statementOf()["/lib/b.php"]->parent);
    EXPECT_TRUE(php::semanticList().empty());
}

TEST_F(IncludeTest, AnAutoloadFunctionNamedAfterItsBodyWasLinkedStillAppends) {
    auto* path = new PathProbe();
    auto body = std::make_unique<stmttest::Body>(new php::Require("require", at(4), path));
    ListaNaredbi* list = userFile({new Counted(8)});
    user->link();
    body->link();  // the name is not known yet: linked as ordinary code
    EXPECT_EQ(1, countOf<php::greske::FensiPutanjaZaInclude>());

    php::Funkcija autoload("__autoload", "/work/main.php", 2);
    body->function = &autoload;
    path->set("a.php");
    body->check();
    EXPECT_EQ(parsed(), std::vector<std::string>{"/lib/a.php"});
    ASSERT_EQ(2u, list->items.size());
    EXPECT_EQ(list, statementOf()["/lib/a.php"]->parent->parent);
    EXPECT_TRUE(php::semanticList().empty());
}

}  // namespace
