// floor: the least a frame of the game screen can cost on this machine.
//
//   bench_floor [SCALE]
//   bench_floor full NAME     full screen at the desktop's size, the figure
//                             named floor_frame_cpu_NAME
//
// Bare SDL 1.2 and OpenGL 1.x, nothing of the game: a 640x480 window (or one
// SCALE times as large, or the whole screen with the frame as large as fits
// between black bars, as the game lies there: the same drawing stretched), the
// background drawn from a 1024x512 texture, 81 turned 33x33 quads cut from
// 128x128 textures, and three small text-sized blended quads, every frame.
// Prints the CPU time of a frame (glFinish included) and the time of its first
// presented frame since the epoch, for the start-up comparison.
#include <SDL/SDL.h>
#include <SDL/SDL_opengl.h>

#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_common.h"

static GLuint make_texture(int w, int h, Uint8 shade)
{
    std::vector<Uint8> pixels(static_cast<size_t>(w * h * 4));
    for (size_t i = 0; i < pixels.size(); i++)
        pixels[i] = static_cast<Uint8>(shade + (i * 7) % 50);
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    return t;
}

static void quad(GLuint tex, float x, float y, float w, float h, float tw, float th)
{
    glBindTexture(GL_TEXTURE_2D, tex);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0, 0);
    glVertex2f(x, y);
    glTexCoord2f(tw, 0);
    glVertex2f(x + w, y);
    glTexCoord2f(0, th);
    glVertex2f(x, y + h);
    glTexCoord2f(tw, th);
    glVertex2f(x + w, y + h);
    glEnd();
}

static void draw(GLuint background, const GLuint* pictures, GLuint text)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    quad(background, 0, 0, 640, 480, 640.0f / 1024, 480.0f / 512);
    for (int c = 0; c < 81; c++) {
        glPushMatrix();
        glTranslatef(79.0f + 33 * (c % 9), 104.0f + 33 * (c / 9), 0);
        glRotatef(90.0f * (c % 4), 0, 0, 1);
        quad(pictures[c % 10], -16.5f, -16.5f, 33, 33, 33.0f / 128, 33.0f / 128);
        glPopMatrix();
    }
    glEnable(GL_BLEND);
    for (int i = 0; i < 3; i++)
        quad(text, 200.0f + 100 * i, 20, 128, 32, 1, 1);
    glDisable(GL_BLEND);
}

int main(int argc, char** argv)
{
    bool full = argc > 2 && std::string(argv[1]) == "full";
    int scale = argc > 1 && !full ? std::max(1, std::atoi(argv[1])) : 1;
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return 1;
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    int screen_w = full ? desktop->current_w : 640 * scale, screen_h = full ? desktop->current_h : 480 * scale;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(screen_w, screen_h, 0, SDL_OPENGL | (full ? SDL_FULLSCREEN : 0)))
        return 1;
    double k = std::min(screen_w / 640.0, screen_h / 480.0);
    int frame_w = static_cast<int>(640 * k), frame_h = static_cast<int>(480 * k);
    glViewport((screen_w - frame_w) / 2, (screen_h - frame_h) / 2, frame_w, frame_h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 640, 480, 0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    GLuint background = make_texture(1024, 512, 60);
    GLuint pictures[10];
    for (int i = 0; i < 10; i++)
        pictures[i] = make_texture(128, 128, static_cast<Uint8>(20 * i));
    GLuint text = make_texture(128, 32, 200);

    draw(background, pictures, text);
    SDL_GL_SwapBuffers();
    report("floor_first_frame_epoch", epoch_ms(), "ms");

    const int frames = 400;
    double start = cpu_ms();
    for (int i = 0; i < frames; i++) {
        draw(background, pictures, text);
        glFinish();
    }
    std::string name = full ? std::string("floor_frame_cpu_") + argv[2]
                       : scale == 1 ? "floor_frame_cpu" : "floor_frame_cpu_" + std::to_string(scale) + "x";
    report(name.c_str(), (cpu_ms() - start) / frames, "ms");
    SDL_Quit();
    return 0;
}
