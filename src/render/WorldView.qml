// The 3D view: the world's sky, its shapes in batches and its texts, seen through the walking
// eye, with a line on how to move and the hyperlink under the pointer.
import QtQuick
import QtQuick3D

Item {
    id: root

    // 1234567 as "1,234,567", with the thousands separator of the user's language.
    function grouped(n) {
        const separator = qsTr(",", "thousands separator")
        let text = String(n)
        for (let at = text.length - 3; at > 0; at -= 3)
            text = text.slice(0, at) + separator + text.slice(at)
        return text
    }

    function skyColour(i) {
        const colours = world.skyColours
        return colours.length > i ? colours[i] : colours[colours.length - 1]
    }

    View3D {
        id: view
        objectName: "view"
        anchors.fill: parent
        camera: eye
        environment: SceneEnvironment {
            backgroundMode: SceneEnvironment.Color
            clearColor: "black"
        }

        PerspectiveCamera {
            id: eye
            position: walker.position
            rotation: walker.rotation
            fieldOfView: 45
            fieldOfViewOrientation: view.width >= view.height ? PerspectiveCamera.Vertical
                                                              : PerspectiveCamera.Horizontal
            clipNear: 0.05
            clipFar: 1000
        }

        Model {
            source: "#Sphere"
            position: walker.position
            scale: Qt.vector3d(18, 18, 18)
            materials: CustomMaterial {
                shadingMode: CustomMaterial.Unshaded
                cullMode: Material.NoCulling
                vertexShader: "shaders/sky.vert"
                fragmentShader: "shaders/sky.frag"
                property vector3d sky0: root.skyColour(0)
                property vector3d sky1: root.skyColour(1)
                property vector3d sky2: root.skyColour(2)
                property vector3d sky3: root.skyColour(3)
                property vector3d skyAngles: world.skyAngles
                property real skyCount: world.skyColours.length
            }
        }

        Repeater3D {
            model: world.batches
            delegate: Model {
                required property QtObject entry
                geometry: entry.geometry
                instancing: entry.instancing
                materials: CustomMaterial {
                    shadingMode: CustomMaterial.Unshaded
                    vertexShader: "shaders/world.vert"
                    fragmentShader: "shaders/world.frag"
                    property real hasTexture: entry.texture === "" ? 0 : 1
                    property vector3d headlight: walker.forward
                    property TextureInput tex: TextureInput {
                        texture: Texture {
                            source: entry.texture === "" ? "qrc:/norvane/textures/source1.jpg"
                                                          : entry.texture
                            tilingModeHorizontal: Texture.Repeat
                            tilingModeVertical: Texture.Repeat
                            generateMipmaps: true
                            mipFilter: Texture.Linear
                        }
                    }
                }
            }
        }

        Repeater3D {
            model: world.texts
            delegate: Node {
                position: modelData.position
                rotation: modelData.rotation
                scale: Qt.vector3d(modelData.size / 100, modelData.size / 100, 1)
                Text {
                    text: modelData.text
                    color: modelData.colour
                    font.pixelSize: 85
                    font.family: "serif"
                    x: -width / 2
                    y: -baselineOffset
                }
            }
        }
    }

    Rectangle {
        visible: window3d.hintVisible
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        height: hint.implicitHeight + 6
        color: "#a0000000"
        Text {
            id: hint
            objectName: "hint"
            anchors { left: parent.left; right: parent.right; verticalCenter: parent.verticalCenter; margins: 4 }
            color: "white"
            font.pixelSize: 11
            elide: Text.ElideRight
            text: world.building
                  ? qsTr("Building the 3D view… %1 %").arg(world.buildPercent)
                  : window3d.hoverText !== ""
                  ? qsTr("Link: %1").arg(window3d.hoverText)
                  : world.limited
                  ? qsTr("Showing the %1 objects nearest you of %2")
                    .arg(root.grouped(world.drawnObjects)).arg(root.grouped(world.builtObjects))
                  : qsTr("Arrows, W A S D: walk, turn · Drag: look · PgUp/PgDn: rise, fall · Home: start")
        }
    }
}
