#include "modelrenderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace solid {

namespace {

void drawGeometry(GLUquadric *quadric, const std::vector<QuadricCall> &geometry)
{
    for (const QuadricCall &call : geometry) {
        const auto &s = call.sizes;
        switch (call.shape) {
        case QuadricCall::Shape::Cylinder:
            gluCylinder(quadric, s[0], s[1], s[2], call.slices, call.rings);
            break;
        case QuadricCall::Shape::Disk:
            gluDisk(quadric, s[0], s[1], call.slices, call.rings);
            break;
        case QuadricCall::Shape::Sphere:
            gluSphere(quadric, s[0], call.slices, call.rings);
            break;
        }
    }
}

} // namespace

void renderModelFrame(const ModelFrame &frame, int width, int height)
{
    // Light 0, the light model, smooth shading and the "less" depth test
    // keep their defaults.
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);

    GLUquadric *quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);

    const GLfloat colour[4] = {frame.colour[0], frame.colour[1], frame.colour[2], 1.0f};
    const GLuint model = glGenLists(1);
    glNewList(model, GL_COMPILE);
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, colour);
    glMaterialfv(GL_FRONT, GL_SPECULAR, kSpecular.data());
    glMaterialf(GL_FRONT, GL_SHININESS, 100.0f);
    drawGeometry(quadric, frame.geometry);
    glEndList();

    const GLuint placed = glGenLists(1);
    glNewList(placed, GL_COMPILE);
    glPushMatrix();
    glTranslatef(1.0f, 1.0f, 1.0f);
    glCallList(model);
    glPopMatrix();
    glEndList();

    // The scissor box is larger than any panel: the whole surface is cleared.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 9999, 4500);
    glClearColor(kClearColour[0], kClearColour[1], kClearColour[2], kClearColour[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    // A square aspect whatever the panel's shape: the picture is stretched
    // sideways by the panel.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 1.0, 5.0, 700000.0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, width, height);

    // Looking slightly down along +Y: world +Z is up on the screen.
    glPushMatrix();
    gluLookAt(25.0, -225.0, 50.0, 25.0, 25.0, 20.0, 0.0, 1.0, 0.0);
    glTranslatef(GLfloat(frame.translation[0]), GLfloat(frame.translation[1]), GLfloat(frame.translation[2]));
    glCallList(placed);
    glPopMatrix();

    glDeleteLists(placed, 1);
    glDeleteLists(model, 1);
    gluDeleteQuadric(quadric);
}

} // namespace solid
