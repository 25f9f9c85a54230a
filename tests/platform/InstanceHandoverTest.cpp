// One program at a time: two handovers for one data folder in this process stand for two starts.
// The later start talks from a thread of its own, as it would from its own process, while the
// first one's event loop answers.
#include "platform/qt/InstanceHandover.h"
#include "support/ScratchProgramFolder.h"

#include <QLocalSocket>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <future>

using ::testing::ElementsAre;

namespace {

struct InstanceHandoverTest : ::testing::Test {
    ScratchProgramFolder scratch{"handover"};
    QString folder() const { return QString::fromStdString(scratch.programFolder()); }
    std::vector<HandoverRequest> received;

    // Runs work on another thread and keeps this thread's events flowing until it is done.
    template <class Work> auto meanwhile(Work work) {
        auto done = std::async(std::launch::async, work);
        EXPECT_TRUE(QTest::qWaitFor([&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
                                    10000));
        return done.get();
    }
};

TEST_F(InstanceHandoverTest, ALaterStartHandsItsRequestsToTheFirstAndAnotherFolderRunsOnItsOwn) {
    InstanceHandover first(folder());
    QString error;
    ASSERT_TRUE(first.claim(error)) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    first.setRequestHandler([this](const HandoverRequest& r) { received.push_back(r); });

    InstanceHandover second(folder() + "/Info/.."); // the same folder, spelt otherwise
    EXPECT_FALSE(second.claim(error));
    EXPECT_EQ(second.socketName(), first.socketName());
    const std::vector<HandoverRequest> requests = {{"show", ""}, {"open", "/home/u/My Links.goto"}};
    EXPECT_TRUE(meanwhile([&] {
        QString handoverError;
        return second.handOver(requests, handoverError);
    }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }));
    EXPECT_EQ(received, requests);

    ScratchProgramFolder other("handover-other");
    InstanceHandover elsewhere(QString::fromStdString(other.programFolder()));
    EXPECT_TRUE(elsewhere.claim(error));
    EXPECT_NE(elsewhere.socketName(), first.socketName());
}

TEST_F(InstanceHandoverTest, RequestsBeforeTheWindowWaitForItAndForeignBytesAreRefused) {
    InstanceHandover first(folder());
    QString error;
    ASSERT_TRUE(first.claim(error));
    const QString name = first.socketName();
    const QByteArray answer = meanwhile([&] {
        QLocalSocket socket;
        socket.connectToServer(name);
        socket.waitForConnected(5000);
        socket.write("GET / HTTP/1.0\n\n");
        socket.waitForBytesWritten(5000);
        QByteArray bytes;
        while (!bytes.contains('\n') && socket.waitForReadyRead(5000))
            bytes += socket.readAll();
        return bytes;
    });
    EXPECT_TRUE(answer.startsWith("refused: ")) << answer.toStdString();

    InstanceHandover second(folder());
    EXPECT_FALSE(second.claim(error));
    EXPECT_TRUE(meanwhile([&] {
        QString handoverError;
        return second.handOver({{"show", ""}}, handoverError);
    }));
    QTest::qWait(50);
    first.setRequestHandler([this](const HandoverRequest& r) { received.push_back(r); }); // the window is made
    EXPECT_THAT(received, ElementsAre(HandoverRequest{"show", ""}));
}

TEST_F(InstanceHandoverTest, AStartFindingTheLockButNoAnswerGivesUpWithAnError) {
    InstanceHandover first(folder());
    QString error;
    ASSERT_TRUE(first.claim(error));
    InstanceHandover second(folder());
    EXPECT_FALSE(second.claim(error));
    // The first program's event loop does not run (a program that hangs): the answer never comes.
    QString handoverError;
    EXPECT_FALSE(second.handOver({{"show", ""}}, handoverError));
    EXPECT_FALSE(handoverError.isEmpty());
}

} // namespace
