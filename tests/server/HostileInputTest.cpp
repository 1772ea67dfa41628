#include "RawHttp.h"
#include "ServerTest.h"
#include "Storage.h"

namespace {

using HostileInputTest = ServerTest;

const std::vector<std::string> HostileValues{
    "1' OR '1'='1",
    "1; DROP TABLE reports; --",
    "%27%29%3B%20DELETE%20FROM%20accounts%3B--",
    "<script>alert(1)</script>",
    "%00",
    "1%00",
    "%0d%0aSet-Cookie:%20x=1",
    "%ff%fe%fd",
    "%C3%A9",
    "-1",
    "99999999999999999999999999",
    "1.5",
    "%201",
    "0x1",
    "%",
    "1=1",
    std::string(3000, '9'),
    "",
};

std::string reportWith(const std::string& name, const std::string& value) {
    std::map<std::string, std::string> fields{{"mode", "stats"},   {"id", "42"},  {"pw", Secret},
                                              {"highscore", "10"}, {"win", "1"},  {"GameType", "0"},
                                              {"level", "1"},      {"ver", "182"}};
    fields[name] = value;
    std::string query = "/stats.php?";
    for (const auto& [field, text] : fields)
        query += field + "=" + text + "&";
    return query;
}

TEST_P(HostileInputTest, HostileStringsInEveryParameterAreRefusedAndStoreNothing) {
    for (const char* name : {"mode", "id", "pw", "highscore", "win", "GameType", "level", "ver"})
        for (const std::string& value : HostileValues) {
            const auto result = client->Get(reportWith(name, value).c_str());
            ASSERT_TRUE(result) << name << "=" << value;
            EXPECT_EQ(result->status, 200);
            EXPECT_EQ(result->body, "2") << name << "=" << value;
        }
    // A broken percent escape makes the whole request unreadable, which is no check at all.
    for (const std::string& value : HostileValues)
        EXPECT_EQ(get("/stats.php?mode=check&id=" + value + "&pw=" + Secret),
                  value == "%" ? "2" : "0")
            << value;
    EXPECT_TRUE(server->Running());
    EXPECT_EQ(OpenStorage(database->Url())->ReportCount(), 0);
    EXPECT_EQ(get("/stats.php?mode=check&id=42&pw=" + Secret), "1") << "the account is intact";
}

TEST_P(HostileInputTest, NothingOutsideTheDownloadsFolderIsEverServed) {
    for (const char* path :
         {"/downloads/../secret.txt", "/downloads/%2e%2e/secret.txt", "/downloads/..%2fsecret.txt",
          "/downloads/%2e%2e%2fsecret.txt", "/downloads/%2E%2E%2Fsecret.txt",
          "/downloads/....//secret.txt", "/downloads/%252e%252e%252fsecret.txt",
          "/downloads/..%5csecret.txt", "/downloads//etc/passwd", "/downloads/%2fetc%2fpasswd",
          "/downloads/update.exe%00.txt", "/downloads/", "/downloads/.", "/downloads/..",
          "/../secret.txt", "/downloads/update.exe/..", "/downloads/%00"}) {
        const std::string answer = RawExchange(server->Port(), std::string("GET ") + path +
                                                                   " HTTP/1.1\r\nHost: x\r\n"
                                                                   "Connection: close\r\n\r\n");
        EXPECT_NE(StatusOf(answer), 200) << path;
        EXPECT_EQ(answer.find("not for download"), std::string::npos) << path;
        EXPECT_EQ(answer.find("root:"), std::string::npos) << path;
    }
    EXPECT_TRUE(server->Running());
}

TEST_P(HostileInputTest, OverlongAndMalformedRequestsAreRefusedWithoutHarm) {
    const std::string longQuery = "GET /stats.php?mode=check&id=42&pw=" + std::string(20000, 'a') +
                                  " HTTP/1.1\r\nHost: x\r\n\r\n";
    const std::string longHeader =
        "GET /stats.php HTTP/1.1\r\nHost: x\r\nX-Long: " + std::string(20000, 'h') + "\r\n\r\n";
    std::string manyHeaders = "GET /stats.php HTTP/1.1\r\nHost: x\r\n";
    for (int i = 0; i < 500; ++i)
        manyHeaders += "X-" + std::to_string(i) + ": v\r\n";
    manyHeaders += "\r\n";
    const std::string bigBody = "POST /stats.php HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n"
                                "\r\n" +
                                std::string(100000, 'b');
    const std::string requests[] = {
        longQuery,
        longHeader,
        manyHeaders,
        bigBody,
        std::string("\0\1\2\3 garbage \xff\xfe\r\n\r\n", 20),
        "GET\r\n\r\n",
        "GET /stats.php?mode=check HTTP/9.9\r\n\r\n",
        std::string(70000, 'G'),
        "GET /stats.php?mode=check&id=42&pw=" + Secret +
            " HTTP/1.1\r\nHost: x\r\n"
            "Transfer-Encoding: chunked\r\n\r\nzz\r\n",
    };
    for (const std::string& request : requests) {
        const std::string answer = RawExchange(server->Port(), request);
        const int status = StatusOf(answer);
        EXPECT_TRUE(status == 0 || status >= 400) << request.substr(0, 60) << " -> " << status;
        ASSERT_TRUE(server->Running()) << request.substr(0, 60);
    }
    EXPECT_EQ(get("/stats.php?mode=check&id=42&pw=" + Secret), "1");
    EXPECT_EQ(OpenStorage(database->Url())->ReportCount(), 0);
}

QB_ON_BOTH_ENGINES(HostileInputTest);

} // namespace
