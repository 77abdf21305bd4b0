// Scanner throughput: tokens per second over one large PHP file.
// Usage: bench_scanner_throughput [file.php]   (without a file, a ~32 MB
// sample of typical PHP is generated in a temporary file).
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <string>

#include "scanner/Scanner.h"

namespace {

// One block of ordinary PHP 5: a documented class with methods, arrays,
// interpolating strings, a here-document, comments and inline HTML.
std::string sampleBlock(int n) {
    std::string id = std::to_string(n);
    return "<html><body><p>Block " + id + "</p>\n"
           "<?php\n"
           "/**\n"
           " * Repository number " + id + ".\n"
           " * @param array $rows the rows\n"
           " */\n"
           "class Repository" + id + " extends BaseRepository implements Countable\n"
           "{\n"
           "    const LIMIT = 100;\n"
           "    private $rows = array();\n"
           "    protected static $instances = 0;\n"
           "\n"
           "    public function __construct(array $rows = array(), $name = 'default')\n"
           "    {\n"
           "        // Remember the rows and count the instance.\n"
           "        $this->rows = $rows;\n"
           "        self::$instances++;\n"
           "        $this->name = $name . \"_\" . self::LIMIT;\n"
           "    }\n"
           "\n"
           "    public function count()\n"
           "    {\n"
           "        return count($this->rows);\n"
           "    }\n"
           "\n"
           "    public function find($key, $default = null)\n"
           "    {\n"
           "        if (isset($this->rows[$key]) && $this->rows[$key] !== false) {\n"
           "            return $this->rows[$key];\n"
           "        } elseif ($key >= 0x1F || $key == 3.25e2) {\n"
           "            throw new Exception(\"Key $key is out of range for {$this->name}\");\n"
           "        }\n"
           "        foreach ($this->rows as $k => $v) {\n"
           "            $total += $v['amount'] * 1.5 - $k % 7;\n"
           "        }\n"
           "        $sql = <<<SQL\n"
           "SELECT id, name FROM items WHERE id = $key AND owner = '{$this->name}'\n"
           "SQL;\n"
           "        # Fallback\n"
           "        return $default === null ? \"none\" : $default;\n"
           "    }\n"
           "}\n"
           "\n"
           "$repo = new Repository" + id + "(array('a' => 1, 'b' => 2), \"Repository $n[1]\");\n"
           "echo $repo->find('a'), \"\\n\";\n"
           "?>\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::string path;
    bool generated = false;
    if (argc > 1) {
        path = argv[1];
    } else {
        char name[] = "/tmp/scanner_benchXXXXXX";
        int fd = mkstemp(name);
        if (fd < 0) {
            std::perror("mkstemp");
            return 1;
        }
        FILE* out = fdopen(fd, "wb");
        size_t written = 0;
        for (int n = 0; written < 32u * 1024 * 1024; ++n) {
            std::string block = sampleBlock(n);
            std::fwrite(block.data(), 1, block.size(), out);
            written += block.size();
        }
        std::fclose(out);
        path = name;
        generated = true;
    }

    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) {
        std::perror(path.c_str());
        return 1;
    }
    std::fseek(in, 0, SEEK_END);
    double megabytes = static_cast<double>(std::ftell(in)) / (1024.0 * 1024.0);

    double best = 0;
    long tokens = 0;
    for (int run = 0; run < 3; ++run) {
        std::rewind(in);
        php::resetScanner();
        php::restartScanner(in);
        tokens = 0;
        auto start = std::chrono::steady_clock::now();
        std::clock_t cpuStart = std::clock();
        char* value;
        php::Location location;
        while (php::nextToken(&value, &location, path) != 0) {
            php::freeTokenText(value);
            ++tokens;
        }
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // CPU time too: on a busy machine the wall clock mostly measures the others.
        double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        double rate = megabytes / seconds;
        std::printf("run %d: %.1f MB, %ld tokens: %.3f s wall (%.1f MB/s), %.3f s CPU (%.1f MB/s)\n", run + 1,
                    megabytes, tokens, seconds, rate, cpuSeconds, megabytes / cpuSeconds);
        if (rate > best) best = rate;
    }
    std::printf("best wall: %.1f MB/s (%.1f M tokens/s)\n", best, best * tokens / megabytes / 1e6);
    std::fclose(in);
    if (generated) std::remove(path.c_str());
    return 0;
}
