#pragma once

#include "EngineTest.h"
#include "Md5.h"
#include "ServerProcess.h"

#include <filesystem>
#include <fstream>
#include <httplib.h>

inline const std::string Secret = MD5("geheim");

// The real server program on a fresh database of one engine, with an account 42 ("geheim"),
// a downloads folder holding a signed update program, answering on a free loopback port.
class ServerTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        downloads = std::filesystem::path(database->Folder()) / "downloads";
        std::filesystem::create_directory(downloads);
        update = std::string("#!/bin/sh\n# stand-in update\n\0\1\2\xff", 32);
        std::ofstream(downloads / "update.exe", std::ios::binary) << update;
        std::ofstream(std::filesystem::path(database->Folder()) / "secret.txt")
            << "not for download";
        ASSERT_EQ(run({"sign", (downloads / "update.exe").string(), "--key",
                       QB_SERVER_FIXTURES "/TEST-ONLY-update-signing.key"}),
                  0);
        ASSERT_EQ(run({"account", "add", "42", "geheim"}), 0);
        server = std::make_unique<ServerProcess>(
            std::vector<std::string>{"--database", database->Url(), "--downloads",
                                     downloads.string(), "--latest", "1.9.0", "--oldest", "1.8.0"});
        client = std::make_unique<httplib::Client>("127.0.0.1", server->Port());
    }

    int run(std::vector<std::string> words, std::string* output = nullptr) {
        if (words[0] == "account") {
            words.push_back("--database");
            words.push_back(database->Url());
        }
        return ServerProcess::RunToEnd(words, output);
    }

    std::string get(const std::string& path, int expectedStatus = 200) {
        const auto result = client->Get(path.c_str());
        if (!result) {
            ADD_FAILURE() << "no answer to " << path;
            return {};
        }
        EXPECT_EQ(result->status, expectedStatus) << path;
        return result->body;
    }

    std::string report(const std::string& pw = Secret) {
        return get("/stats.php?mode=stats&id=42&pw=" + pw +
                   "&highscore=2400&win=1&GameType=2&level=4&ver=182");
    }

    std::filesystem::path downloads;
    std::string update;
    std::unique_ptr<ServerProcess> server;
    std::unique_ptr<httplib::Client> client;
};
