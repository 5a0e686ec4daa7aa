<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>no category has every word; left out: %1</source>
        <translation>
            <numerusform>no category has every word; left out: %1</numerusform>
            <numerusform>no category has every word; left out: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no category has every word; left out: %1; further down also: %2</source>
        <translation>
            <numerusform>no category has every word; left out: %1; further down also: %2</numerusform>
            <numerusform>no category has every word; left out: %1; further down also: %2</numerusform>
        </translation>
    </message>
</context>
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
