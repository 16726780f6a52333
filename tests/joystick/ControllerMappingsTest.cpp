#include "components/ControllerMappings.h"
#include "components/Joystick.h"
#include "components/SdlSession.h"
#include "joystick/JoystickTestSupport.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(ControllerMappingLineTest, DamagedLinesAreToldFromMappingsAndFromOtherPlatforms) {
    const std::string guid = "03000000de2800000112000001000000";
    const struct {
        std::string line;
        MappingLineKind expected;
    } cases[] = {
        {"", MappingLineKind::Nothing},
        {"   \r", MappingLineKind::Nothing},
        {"# Pads of my own", MappingLineKind::Nothing},
        {guid + ",My pad,a:b0,b:b1,leftx:a0,lefty:a1,platform:Linux,", MappingLineKind::Mapping},
        {guid + ",My pad,a:b0,dpleft:h0.8,-leftx:-a0,righty:a3~,platform:linux\r",
         MappingLineKind::Mapping},
        {guid + ",My pad,a:b0,platform:Windows,", MappingLineKind::OtherPlatform},
        {"xinput,XInput pad,a:b0,", MappingLineKind::Mapping},
        {"03000000de28,My pad,a:b0,", MappingLineKind::Damaged},
        {"My pad,a:b0,b:b1", MappingLineKind::Damaged},
        {guid, MappingLineKind::Damaged},
        {guid + ",My pad,", MappingLineKind::Damaged},
        {guid + ",My pad,platform:Linux,", MappingLineKind::Damaged},
        {guid + ",My pad,a:b0,b:bb1,", MappingLineKind::Damaged},
        {guid + ",My pad,a:b0,dpleft:h0,", MappingLineKind::Damaged},
        {guid + ",My pad,a:b0,b1,", MappingLineKind::Damaged},
        {guid + ",My pad,:b0,", MappingLineKind::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const MappingLineCheck check = CheckMappingLine(c.line, "Linux");
        EXPECT_EQ(check.Kind, c.expected);
        EXPECT_EQ(check.Reason.empty(), c.expected != MappingLineKind::Damaged);
    }
}

// SDL's services start in each test, so that a test can set what SDL reads
// when they start.
class ControllerMappingFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qputenv("SDL_AUDIODRIVER", "dummy"); }
    void SetUp() override { EnsureQtApplication(); }
    void TearDown() override { qunsetenv("SDL_GAMECONTROLLERCONFIG"); }

    // The GUID of a pad of this kind, found before SDL's services start.
    static std::string GuidOf(const PadKind& kind) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return {};
        std::string guid = VirtualJoystick(kind).MappingGuid();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return guid;
    }

    // The first report of a pad of this kind, set as given, through a
    // joystick that reads the mapping file at mappingFile.
    JoystickReport FirstReport(const PadKind& kind,
                               const std::function<void(VirtualJoystick&)>& set,
                               const QString& mappingFile = {}) {
        session.Start();
        EXPECT_TRUE(session.HasJoystick());
        VirtualJoystick pad(kind);
        EXPECT_TRUE(pad.Attached());
        set(pad);
        std::vector<JoystickReport> reports;
        Joystick joystick(
            session, [&](const JoystickReport& report) { reports.push_back(report); }, mappingFile);
        EXPECT_TRUE(WaitWithEvents([&] { return !reports.empty(); }, 5000));
        return reports.empty() ? JoystickReport{} : reports.front();
    }

    SdlSession session{SdlServices{}, SdlStart::Later};
};

// A plain joystick that a mapping file makes a game controller: its button 2
// becomes the D-pad's left, and its button 1 the south button. The damaged
// line before it costs one line on standard error and nothing else.
TEST_F(ControllerMappingFileTest, ADamagedLineIsSkippedAndTheRestTaken) {
    const PadKind kind{SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 0, 0, 0, "Mapping file pad"};
    const std::string guid = GuidOf(kind);
    ASSERT_FALSE(guid.empty());
    QTemporaryDir folder;
    const QString path = folder.filePath("gamecontrollerdb.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# one damaged line, one good one\n");
    file.write((guid + ",Mapping file pad,a:b1,b:x0\n").c_str());
    file.write((guid + ",Mapping file pad,a:b1,b:b0,dpleft:b2,leftx:a0,lefty:a1,platform:" +
                SDL_GetPlatform() + ",\n")
                   .c_str());
    file.close();

    testing::internal::CaptureStderr();
    const JoystickReport report = FirstReport(
        kind,
        [](VirtualJoystick& pad) {
            pad.Button(1, true);
            pad.Button(2, true);
        },
        path);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors, "Brimal: " + path.toStdString() +
                          " line 2 skipped: \"b:x0\" binds no axis, button or hat\n");
    // Raw, the two buttons would be {6, 32768, 32768}.
    EXPECT_EQ(report, (JoystickReport{1, 0, 32768}));
}

// What a launcher gives in SDL_GAMECONTROLLERCONFIG maps the pad: here SDL's
// own mapping of a common pad, with its D-pad on the hat and Start on button 7.
TEST_F(ControllerMappingFileTest, TheMappingsOfSdlGameControllerConfigAreTaken) {
    const std::string guid = GuidOf(KnownPad);
    ASSERT_FALSE(guid.empty());
    const std::string mapping =
        guid + ",Common pad,a:b0,b:b1,back:b6,dpdown:h0.4,dpleft:h0.8,dpright:h0.2,dpup:h0.1,"
               "guide:b8,leftshoulder:b4,leftstick:b9,lefttrigger:a2,leftx:a0,lefty:a1,"
               "rightshoulder:b5,rightstick:b10,righttrigger:a5,rightx:a3,righty:a4,start:b7,x:b2,"
               "y:b3,";
    qputenv("SDL_GAMECONTROLLERCONFIG", mapping.c_str());
    const JoystickReport report = FirstReport(KnownPad, [](VirtualJoystick& pad) {
        pad.Hat(SDL_HAT_LEFTDOWN);
        pad.Button(7, true);
    });
    EXPECT_EQ(report, (JoystickReport{0, 0, 65535, true}));
}

} // namespace
