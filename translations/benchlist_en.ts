<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FindWindow</name>
    <message numerus="yes">
        <source>%n categories</source>
        <translation>
            <numerusform>%n category</numerusform>
            <numerusform>%n categories</numerusform>
        </translation>
    </message>
</context>
</TS>
