<?php
class AppException extends Exception {
    const CODE = 7;
    public function __construct($message) {
        parent::__construct($message, self::CODE);
    }
}
class Repository {
    const MODE = 2;
    protected static $instances = 0;
    public static function create() {
        self::$instances = self::$instances + 1;
        return new self;
    }
}
class UserRepository extends Repository {
    public static function total() {
        return self::$instances + parent::$instances + UserRepository::$instances + Repository::MODE;
    }
    public function make() {
        return new parent;
    }
}
function fetchAll($pdo) {
    try {
        switch ($pdo) {
            case PDO::FETCH_ASSOC:
                return 1;
            case Repository::MODE:
                return 2;
        }
    } catch (PDOException $e) {
        return 0;
    }
    $o = new ArrayObject(array());
    if ($o instanceof ArrayObject && $o instanceof Countable) {
        return 3;
    }
    throw new InvalidArgumentException('x');
}
class Collection extends ArrayObject implements Countable {
}
