// The class model as the declarations build it from source: registration and
// placeholders, property flags, and evaluating class constants and static
// members (paths that no enclosing node evaluates yet).
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "diagnostics/Greska.h"
#include "driver/RunState.h"
#include "model/AccessInfo.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "nodes/KlasnaKonstanta.h"
#include "nodes/StatickiClan.h"
#include "parser/Parser.h"
#include "scanner/Scanner.h"
#include "tree/Start.h"

namespace {

using php::Klasa;
using php::ParserBase;

void nodesOfKind(ParserBase* node, int kind, std::vector<ParserBase*>& out) {
    if (!node) return;
    if (node->kind() == kind) out.push_back(node);
    std::vector<ParserBase*> children;
    node->collectChildren(children);
    for (ParserBase* child : children) nodesOfKind(child, kind, out);
}

class ClassModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        clear();
        while (!php::roots().empty()) php::releaseCurrentRoot();
        php::runState()->definitionsMode = false;
    }
    void TearDown() override {
        SetUp();
        php::runState()->definitionsMode = true;
    }

    static void clear() {
        rendered(php::syntaxList());
        rendered(php::semanticList());
    }

    // Parses, links and checks `source` as "t.php"; the root stays alive.
    php::Start* analyse(const std::string& source) {
        std::FILE* f = std::tmpfile();
        std::fwrite(source.data(), 1, source.size(), f);
        std::rewind(f);
        php::resetScanner();
        php::restartScanner(f);
        php::parseFile("t.php");
        std::fclose(f);
        if (php::roots().empty()) return nullptr;
        auto* root = static_cast<php::Start*>(php::roots()[0]);
        root->fileName = "t.php";
        root->link();
        root->check();
        return root;
    }

    static std::vector<std::string> rendered(std::vector<php::Greska*>& list) {
        std::vector<std::string> out;
        for (php::Greska* g : list) {
            out.push_back(g->render());
            delete g;
        }
        list.clear();
        return out;
    }
    static std::vector<std::string> semantic() { return rendered(php::semanticList()); }

    static std::vector<ParserBase*> nodes(ParserBase* root, int kind) {
        std::vector<ParserBase*> out;
        nodesOfKind(root, kind, out);
        return out;
    }
};

TEST_F(ClassModelTest, UsesBeforeTheDeclarationMeetTheDeclaredClass) {
    php::Start* root = analyse(
        "<?php\n$a = new Later();\nclass Later extends Base implements Named {}\n"
        "class Base {}\ninterface Named {}\n$b = new self();\n");
    ASSERT_NE(root, nullptr);
    php::SymbolTable* table = root->scope;
    Klasa* later = table->findClass("LATER");
    ASSERT_NE(later, nullptr);
    EXPECT_TRUE(later->defined);
    EXPECT_EQ(later->line, 3);
    EXPECT_EQ(later->parent, table->findClass("base"));
    ASSERT_EQ(later->interfaces.size(), 1u);
    EXPECT_EQ(later->interfaces[0], table->findClass("Named"));
    EXPECT_TRUE(later->interfaces[0]->isInterface && later->interfaces[0]->defined);
    EXPECT_TRUE(later->resolved);
    EXPECT_EQ(later->members->findClass("self"), later);
    EXPECT_EQ(later->members->findClass("parent"), later->parent);
    // "self" names nothing outside a class, and gets no placeholder.
    EXPECT_EQ(table->findClass("self"), nullptr);
    EXPECT_EQ(semantic(), std::vector<std::string>{"t.php(6): Undefined class 'self'"});
}

TEST_F(ClassModelTest, BuiltinClassNamesGetNoPlaceholder) {
    auto* builtin = new Klasa("class.php", 1, "TestBuiltinStore");
    builtin->members->addConstant(php::ConstantKey("MODE", true), new php::Value("class.php", 2));
    php::globalBuiltinScope()->addClass(builtin->name(), builtin);
    php::Start* root = analyse(
        "<?php\ntry {} catch (TestBuiltinStore $e) {}\nswitch (1) { case TestBuiltinStore::MODE: break; }\n");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->scope->findClass("TestBuiltinStore"), nullptr);
    EXPECT_TRUE(semantic().empty());
    std::vector<ParserBase*> uses = nodes(root, 90);
    ASSERT_EQ(uses.size(), 1u);
    php::Value v = uses[0]->evaluate();
    EXPECT_EQ(v.line, 2);
    EXPECT_TRUE(semantic().empty());
}

TEST_F(ClassModelTest, PropertiesCarryVisibilityAndTheStaticBitOnly) {
    php::Start* root = analyse(
        "<?php\nclass P {\n    public $a;\n    private $b;\n    protected static $c;\n    var $d, $e;\n"
        "    static $f;\n    public $a;\n}\ninterface I {}\n");
    ASSERT_NE(root, nullptr);
    Klasa* p = root->scope->findClass("P");
    ASSERT_NE(p, nullptr);
    using Flags = php::AccessInfo<php::Value>;
    auto flags = [&](const char* name) { return p->members->variableEntry(name)->accessFlags; };
    EXPECT_EQ(flags("a"), 0);
    EXPECT_EQ(flags("b"), Flags::Private);
    EXPECT_EQ(flags("c"), Flags::Protected | Flags::Static);
    EXPECT_EQ(flags("d"), 0);
    EXPECT_EQ(flags("e"), 0);
    EXPECT_EQ(flags("f"), Flags::Static);
    EXPECT_EQ(p->members->findVariable("a")->line, 3);
    EXPECT_EQ(semantic(), std::vector<std::string>{"t.php(8): Redefinition of 'a'\n\tt.php(3): Previous definition"});
}

TEST_F(ClassModelTest, ClassConstantsEvaluateThroughSelfParentAndInheritance) {
    php::Start* root = analyse(
        "<?php\nclass B {\n    const C = 1;\n}\nclass K extends B {\n    const D = 2;\n"
        "    public $a = self::C;\n    public $b = parent::C;\n    public $c = self::NONE;\n"
        "    public $d = K::D;\n}\necho Missing::X;\n");
    ASSERT_NE(root, nullptr);
    // The check does not look at "self"; the unknown class is reported by its name.
    EXPECT_EQ(semantic(), std::vector<std::string>{"t.php(12): Undefined class 'Missing'"});
    std::vector<ParserBase*> uses = nodes(root, 90);
    ASSERT_EQ(uses.size(), 5u);
    EXPECT_EQ(uses[0]->evaluate().line, 3);
    EXPECT_EQ(uses[1]->evaluate().line, 3);
    EXPECT_EQ(uses[2]->evaluate().line, -1);
    EXPECT_EQ(uses[3]->evaluate().line, 6);
    EXPECT_EQ(semantic(), std::vector<std::string>{"t.php(9): Undefined constant 'self::NONE'"});
    // Constants of a class no declaration took over are unknown, not missing.
    uses[4]->evaluate();
    EXPECT_TRUE(semantic().empty());
}

TEST_F(ClassModelTest, StaticMembersEvaluateToTheStoredProperty) {
    php::Start* root = analyse(
        "<?php\nclass S {\n    public static $n = 1;\n    public function f() {\n"
        "        return self::$n + S::$none + parent::$x;\n    }\n}\n");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(semantic(), (std::vector<std::string>{
                              "t.php(5): Undeclared property 'none' in class 'S'",
                              "t.php(5): Undefined class 'parent'",
                          }));
    std::vector<ParserBase*> uses = nodes(root, 174);
    ASSERT_EQ(uses.size(), 3u);
    Klasa* s = root->scope->findClass("S");
    php::Value n = uses[0]->evaluate();
    EXPECT_EQ(n.line, 3);
    EXPECT_EQ(n.owner, s->members);
    EXPECT_TRUE(semantic().empty());
    uses[1]->evaluate();
    EXPECT_EQ(semantic(), std::vector<std::string>{"t.php(5): Undeclared property 'none' in class 'S'"});
    uses[2]->evaluate();
    EXPECT_EQ(semantic(), std::vector<std::string>{"t.php(5): Undefined class 'parent'"});
}

TEST_F(ClassModelTest, InterfaceMethodAccessIsASyntaxFinding) {
    php::Start* root = analyse("<?php\ninterface I {\n    function a();\n    public function b();\n}\n");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(rendered(php::syntaxList()),
              std::vector<std::string>{"t.php(4): [PARSER] Interface methods can't have access specification"});
    EXPECT_TRUE(semantic().empty());
    Klasa* i = root->scope->findClass("i");
    ASSERT_NE(i, nullptr);
    EXPECT_TRUE(i->isInterface);
    EXPECT_EQ(i->members->findClass("self"), nullptr);
}

}  // namespace
