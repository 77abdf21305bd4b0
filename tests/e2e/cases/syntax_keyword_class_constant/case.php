<?php
class Hmac {
    const BINARY = 1;
    const STRING = 2, OBJECT = 3;
    static function digest($data, $mode = Hmac::BINARY) {
        return $mode == self::STRING ? md5($data) : $data;
    }
}
echo Hmac::digest('x', Hmac::BINARY), Hmac::OBJECT;
