// engine_fixture.cpp -- the real engine started in a scratch working directory, driven by the tests
#include "engine_fixture.h"

#include "sound_spy.h"

#include <GL/gl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "common.h"
#include "main.h"

namespace fs = std::filesystem;

static const fs::path BUILD_DIR = CRYPT_BUILD_DIR;

scratch_dir::scratch_dir(const std::vector<std::string>& leave_out)
{
    char pattern[] = "/tmp/cryptsliders-test-XXXXXX";
    root_ = mkdtemp(pattern);
    previous_ = fs::current_path();
    fs::path source = BUILD_DIR / "data";
    fs::create_directories(root_ / "data");
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        fs::path rel = fs::relative(entry.path(), source);
        fs::path target = root_ / "data" / rel;
        // A name left out takes everything below it along when it is a directory.
        const std::string name = rel.generic_string();
        if (std::any_of(leave_out.begin(), leave_out.end(), [&](const std::string& out) {
                return name == out || name.rfind(out + "/", 0) == 0;
            }))
            continue;
        if (entry.is_directory())
            fs::create_directories(target);
        else
            fs::create_symlink(entry.path(), target);
    }
    fs::current_path(root_);
}

scratch_dir::~scratch_dir()
{
    fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(root_, ec);
}

void EngineTest::SetUp()
{
    dir_ = std::make_unique<scratch_dir>(left_out());
    fake_clock.enabled = true;
    fake_clock.ticks = 100000;
    fake_clock.seconds = 1000000;
    sound_spy_clear();
    start_status = main_start();
    ASSERT_EQ(start_status, 0);
}

void EngineTest::TearDown()
{
    main_exit();
    fake_clock.enabled = false;
    dir_.reset();
}

void EngineTest::push_key(SDLKey key, Uint8 type)
{
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::push_button(int x, int y, Uint8 type, Uint8 button)
{
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::push_motion(int x, int y)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::push_quit()
{
    SDL_Event e{};
    e.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::capture()
{
    std::vector<rgba8> raw(640 * 480);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, raw.data());
    last_frame.resize(raw.size());
    for (int y = 0; y < 480; y++)  // GL rows run bottom-up
        std::copy_n(&raw[static_cast<size_t>((479 - y) * 640)], 640, &last_frame[static_cast<size_t>(y * 640)]);
}

void EngineTest::frame()
{
    main_draw();
    capture();
    ot_end();
}

void EngineTest::draw(const std::function<void()>& blits)
{
    ot_begin();
    blits();
    capture();
    ot_end();
}

void EngineTest::frames(int count, Uint32 ms)
{
    for (int i = 0; i < count; i++) {
        fake_clock_advance(ms);
        frame();
    }
}

rgba8 EngineTest::pixel(int x, int y) const
{
    return last_frame.at(static_cast<size_t>(y * 640 + x));
}

void EngineTest::screenshot(const std::string& name) const
{
    fs::path dir = BUILD_DIR / "screenshots";
    fs::create_directories(dir);
    std::vector<rgba8> opaque = last_frame;
    for (rgba8& c : opaque)
        c.a = 255;
    save_rgba_png((dir / (name + ".png")).string(), 640, 480, opaque);
}

bool near(rgba8 a, rgba8 b, int tol)
{
    return std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol;
}

std::ostream& operator<<(std::ostream& os, const rgba8& c)
{
    return os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}
